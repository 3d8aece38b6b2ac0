# World 2: the ghost will not stop talking, and Tallow has built a bigger
# brain. "b01" is shown twice: the ghost starts his speech over.
conversation Stage2bossScene
stand mary0 left
line b00 left vrel "Another cellar. Another smell."
kick left
stand ghost0 right
line b01 right ghost "Ahem. As I was saying..."
line b02 right ghost "...Quillabys have lived here for nine generations."
line b03 right ghost "My great-grandfather built the east wing."
line b04 right ghost "It fell down. So he built it again."
line b05 right ghost "It fell down again. Quillabys are persistent."
line b06 right ghost "My grandmother kept forty cats in the library."
line b07 right ghost "The cats are why the library also fell down."
line b08 right ghost "And my father... no, that's a very long story."
line b09 right ghost "Vrel? Are you listening to me?"
line b10 right ghost "You're reloading. That means no, doesn't it."
line b11 right ghost "Very well. From the beginning, then."
repeat b01 right
line b12 right ghost "...there's another brain down here. A bigger one."
kick left
stand boss1 left
line b13 left tallow "Bigger AND smarter! Meet Cerebella the Second!"
line b14 right ghost "You again! Get out of my house, Tallow!"
line b15 right ghost "Who pays you to grow brains in my cellar?"
line b16 right ghost "Is it money? I have money. Had money."
line b17 right ghost "It's in the vault. Under the east wing."
line b18 right ghost "...Which fell down. Never mind."
line b19 left tallow "My mistress pays in something better than gold."
line b20 left tallow "She pays in eternal youth! Cerebella, supper!"
kick left
line b21 right ghost "Eternal youth? Vrel, I don't like the sound of that."
wait 110
kick right
wait 10
