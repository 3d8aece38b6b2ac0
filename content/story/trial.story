# Trial course, before the brain in the cellar. The ghost calls out before
# he dares to show himself.
conversation TrialBossScene
stand mary0 left
line t01 right ghost "Don't shoot! Please, whatever you do, don't shoot!"
stand ghost0 right
line t02 right ghost "Vrel, it's me! Lord Quillaby! Your employer!"
line t03 right ghost "Well. Your late employer. Very late."
line t04 right ghost "Somebody pushed me down the grand staircase."
line t05 right ghost "And now monsters are crawling out of my cellar."
line t06 right ghost "There's a giant brain down there. With legs."
line t07 right ghost "It ate the gardener's hat. Then the gardener."
line t08 right ghost "Would you be a dear and... deal with it?"
line t09 left vrel "Only if I get the three months' wages you owe me."
line t10 right ghost "I'm dead, Vrel. I haven't got pockets."
line t11 right ghost "But I'll haunt my murderer until they pay you!"
kick right
kick left
wait 10
