# The throne room: the ghost loses his nerve, and the Dollmaker takes off
# her mask. boss0 is the masked Dollmaker, boss5 laughing as the mask
# comes off, boss2 her bare face, boss6 her temper.
conversation Stage5bossScene:1
stand ghost0 right
line d01 right ghost "The throne room. I used to host balls in here."
line d02 right ghost "Now it smells of glue and sawdust."
line d03 right ghost "Vrel, she's here. Whoever she is. I can feel it."
line d04 right ghost "Whatever happens, I want you to know I'm proud of you."
line d05 right ghost "And if you die, we can haunt the place together."
line d06 right ghost "...I'll just wait behind the curtain. For tactics."
kick right
stand boss0 right
line d07 right hesper "So. The maid."
line d08 right hesper "You broke my creatures, my assistant and my vase."
line d09 right hesper "Do you know who I am, girl?"
line d10 right hesper "I am the Dollmaker, new mistress of this house."
stand mary0 left
line d11 left vrel "This house already has a master."
line d12 right hesper "Had. He fell down the stairs. So sad."
line d13 left vrel "You pushed him."
line d14 right hesper "I nudged him. Firmly."
line d15 left vrel "Who are you under that mask?"
line d16 right hesper "Curious little maid. Very well."
line d17 left vrel "Slowly, please. Skarov is nervous."
kick right
stand boss5 right
line d18 right hesper "Ohohoho! Behold!"
kick right
stand boss2 right
line d19 right hesper "Lady Hesper Vane."
line d20 right hesper "Forty years ago this manor was promised to me."
kick left
stand mary4 left
line d21 left vrel "And that's a reason to murder an old man?!"
line d22 right hesper "It's a reason to redecorate."
line d23 right hesper "With dolls. Thousands and thousands of dolls."
line d24 right hesper "You would make a lovely doll, dear."
kick left
stand mary5 left
line d25 left vrel "I dust this place every day. I hate dolls."
line d26 right hesper "Then you will hate what comes next."
kick left
stand mary0 left
line d27 left vrel "Lord Quillaby still owes me three months' wages."
line d28 right hesper "He owes everyone. He owed ME a wedding."
line d29 right hesper "Forty years I waited, young and furious."
line d30 right hesper "The well of life under this house saw to that."
line d31 left vrel "It kept you young. It didn't keep you pleasant."
kick right
stand boss6 right
line d32 right hesper "Insolent girl!"
line d33 left vrel "Skarov says the same about you."
kick right
stand boss2 right
line d34 right hesper "...You named your gun?"
kick left
stand mary5 left
line d35 left vrel "She's the only one here who does her job."
line d36 right hesper "Enough. My knives are sharper than your tongue."
line d37 right hesper "Let us see how a maid dances."
kick right
stand boss6 right
line d38 right hesper "Dance for me, little doll!"
line d39 right hesper "Dance until your strings are cut!"
finale
