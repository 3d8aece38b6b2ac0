# World 3, the clock tower: Vrel thinks she is alone with her gun. She is
# not. Tallow brings out his serpent.
conversation Stage3bossScene
stand mary1 left
line c01 left vrel "Skarov, darling, you were wonderful today."
line c02 left vrel "Two thousand rounds and not a single jam."
line c03 left vrel "I'll oil you tonight. The good oil."
line c04 left vrel "Not the kitchen oil. I know you hate that."
line c05 left vrel "Remember the day the master bought you?"
line c06 left vrel "\"For the rats,\" he said. Rats! Ha!"
line c07 left vrel "As if a rat needs nine hundred rounds a minute."
line c08 left vrel "He was a silly old man."
line c09 left vrel "Silly, stingy, always late with my wages..."
line c10 left vrel "...but he said thank you. Sometimes."
line c11 left vrel "Nobody else in that house ever did."
line c12 left vrel "Well. Let's finish this for him, Skarov."
kick left
stand mary0 left
line c13 left vrel "...Master. I can see your feet glowing."
line c14 left vrel "Ghosts don't have feet? Then what are those?"
line c15 left vrel "Come out. How much did you hear?"
stand ghost0 right
line c16 right ghost "Nothing! Nothing at all!"
line c17 right ghost "Certainly nothing about a \"silly old man\"."
kick left
stand mary5 left
line c18 left vrel "I'm docking your pay for eavesdropping."
line c19 right ghost "I don't get paid, Vrel. I pay you."
line c20 right ghost "In theory. ...Anyway, I'm touched."
line c21 right ghost "Now, listen: Tallow is up among the gears."
line c22 right ghost "And something big is splashing in the cistern."
kick left
stand boss1 left
line c23 left tallow "Clever ghost! Yes! My finest work yet!"
line c24 left tallow "Noodle! Forty feet of scales and bad temper!"
finale
