# The people of the story and how their lines are set.
#
#   speaker KEY "NAME" fill=#rrggbb
#
# Every line picture is set in one font on a dark outline with a soft
# shadow, so it reads on the half-transparent black veil and over the
# portraits it overlaps; the fill colour and the NAME on top of each box
# tell who speaks.
#
# Vrel            the heroine: head (and only) maid of Quillaby Manor, dry,
#                 owed three months' wages; "Skarov" is her submachine gun.
# Lord Quillaby   her late employer, now a ghost: fussy, dramatic, timid.
# Doctor Tallow   the Dollmaker's assistant, proud father of monsters.
# Lady Hesper     the Dollmaker; forty years ago Quillaby's jilted bride.
# Gilwyn          her son, a librarian; arrives late, to his own surprise.

speaker vrel "Vrel" fill=#ffe2e8
speaker ghost "Lord Quillaby" fill=#bdf2ff
speaker tallow "Doctor Tallow" fill=#cdf590
speaker hesper "Lady Hesper" fill=#d4b0ff
speaker gil "Gilwyn" fill=#ffdc9c
