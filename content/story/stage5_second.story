# The Dollmaker rises again with wings, the ghost finds his courage and his
# old fiancee, and a latecomer finds a family he never knew. gil0 is
# Gilwyn composed, gil1 Gilwyn flustered; boss4 the winged Dollmaker.
conversation Stage5bossScene:2
stand boss4 right
line e01 right hesper "Not yet! The well of life gives me a new body!"
stand ghost0 left
line e02 left ghost "That voice... that temper... those eyebrows..."
line e03 left ghost "Hesper?! Hesper Vane?!"
line e04 left ghost "We were engaged! Forty years ago!"
line e05 left ghost "Is THAT what all this is about?!"
line e06 right hesper "You left me at the altar, Ambrose. With a NOTE."
line e07 left ghost "It was a very nice note. On good paper."
line e08 left ghost "And for that you pushed me down the stairs?"
line e09 left ghost "I was going to apologise! Eventually!"
kick right
stand gil0 right
line e10 right gil "Mother?! Mother, stop this at once!"
line e11 right gil "I got your letter. All ninety pages of it."
line e12 left ghost "Mother?"
line e13 left ghost "Young man, who exactly are you?"
kick left
stand mary3 left
line e14 left vrel "Whoever you are, stay behind me."
kick right
stand gil1 right
line e15 right gil "Gilwyn Vane. She's my mother. I'm a librarian."
line e16 right gil "I'm not good at this. I'm good at quiet."
line e17 left vrel "Then stay quiet and out of the line of fire."
kick right
stand boss4 right
line e18 right hesper "Gilwyn! This manor is your birthright!"
kick right
stand gil0 right
line e19 right gil "My birthright? Mother, we live above a bakery."
line e20 right gil "Why would I be heir to a haunted manor?"
kick left
stand ghost0 left
line e21 left ghost "Wait. Forty years ago..."
line e22 left ghost "And you're about... forty?"
line e23 left ghost "Turn your head. You have my nose."
line e24 left ghost "Oh no. Oh dear. Oh my."
kick right
stand gil1 right
line e25 right gil "Why is the ghost counting on his fingers?"
kick right
stand gil0 right
line e26 right gil "Sir, please. I don't follow."
line e27 right gil "Mother always said my father was lost at sea."
line e27_2 left ghost "I did get very seasick once. Gilwyn... my boy..."
kick right
stand gil1 right
line e28 right gil "...I beg your pardon?"
line e28_2 right gil "My father is a ghost?"
line e28_3 right gil "My father is a ghost who jilted my mother?"
line e29 left ghost "Son! I have so much to teach you!"
line e30 left ghost "Fencing. Etiquette. Rattling chains at night."
line e31 left ghost "We'll start right after Vrel..."
line e32 left ghost "...calms your mother down. Firmly."
line e33 right gil "This is the worst family reunion of my life."
kick right
stand boss4 right
line e34 right hesper "Silence! He took my youth. Now he takes my son?"
line e35 right hesper "I will tear this house down stone by stone!"
line e36 right hesper "And you, maid, will be the first doll"
line e37 right hesper "of my brand new collection!"
kick right
stand gil1 right
line e38 right gil "Miss Vrel, please stop her. Gently, if you can."
kick left
stand mary3 left
line e39 left vrel "As gently as Skarov allows."
finale
