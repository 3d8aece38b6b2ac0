# World 1, the catacombs under the manor: the ghost shows himself, and the
# Dollmaker's assistant shows off his first brain.
conversation Stage1bossScene
stand mary0 left
line a01 left vrel "The catacombs. Something big is breathing down here."
kick left
stand ghost0 right
line a02 right ghost "Vrel! Don't shoot! It's me, your employer!"
line a03 right ghost "Yes, I'm dead. Yes, I'm see-through. Don't stare."
line a04 right ghost "I was pushed down the stairs, Vrel. Murdered!"
line a05 right ghost "And someone is filling my manor with horrors."
line a06 right ghost "Be a dear and shoot them all. I would, but... hands."
kick left
stand boss1 left
line a07 left tallow "Who goes there? A maid! And a ghost, how quaint."
line a08 right ghost "Who are you, and why is there a brain in my wine cellar?"
line a09 left tallow "Doctor Tallow, genius! And that is Cerebella!"
line a10 left tallow "My masterpiece! Cerebella, darling... eat them."
finale
