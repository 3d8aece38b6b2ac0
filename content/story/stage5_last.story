# After the winged Dollmaker falls: what is left of her, the ghost's
# farewell, and the question of Vrel's wages.
conversation Stage5bossScene:3
stand gil0 right
line f01 right gil "Mother...? Is it over?"
stand mary2 left
line f02 left vrel "She's shrinking... She's turned to porcelain!"
line f03 right gil "She's become one of her own dolls."
stand mary3 left
line f04 left vrel "The well took back everything it gave her."
line f05 left vrel "Maybe one day she'll wake up kinder."
line f06 left vrel "Until then, keep her on a high shelf."
line f07 right gil "I'll look after her. Somebody has to."
line f08 right gil "Thank you, Miss Vrel. Truly."
kick right
stand ghost0 right
line f09 right ghost "My murder avenged, my son found... I feel light."
line f10 right ghost "I believe I'm going. Goodbye, Vrel. Thank you."
kick right
kick left
stand mary2 left
line f11 left vrel "Wait! Master! My three months' wages!"
kick right
stand gil0 right
line f12 right gil "Ah. About that. As the new lord of the manor..."
line f13 right gil "...I suppose I owe you those wages."
kick left
stand mary1 left
line f14 left vrel "Plus danger money. Plus ammunition."
line f15 right gil "How much ammunition?"
line f16 right gil "...That is most of the inheritance."
line f17 left vrel "Skarov is a hungry girl."
line f18 right gil "Then I had better keep you both on."
line f19 right gil "The manor will need a head maid."
line f20 right gil "And I am told it has a terrible rat problem."
finale
