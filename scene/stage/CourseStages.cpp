// The ordinary stages of the full course and of the trial course. Each is its
// table row and nothing more; the boss stages have files of their own.
#include "scene/SceneFactory.h"
#include "scene/stage/TableStage.h"

VRELS_TABLE_STAGE(Stage1_1Scene)
VRELS_TABLE_STAGE(Stage1_2Scene)
VRELS_TABLE_STAGE(Stage1_3Scene)
VRELS_TABLE_STAGE(Stage1_4Scene)
VRELS_TABLE_STAGE(Stage2_1Scene)
VRELS_TABLE_STAGE(Stage2_2Scene)
VRELS_TABLE_STAGE(Stage2_3Scene)
VRELS_TABLE_STAGE(Stage2_4Scene)
VRELS_TABLE_STAGE(Stage3_1Scene)
VRELS_TABLE_STAGE(Stage3_2Scene)
VRELS_TABLE_STAGE(Stage3_3Scene)
VRELS_TABLE_STAGE(Stage3_4Scene)
VRELS_TABLE_STAGE(Stage4_1Scene)
VRELS_TABLE_STAGE(Stage4_2Scene)
VRELS_TABLE_STAGE(Stage4_3Scene)
VRELS_TABLE_STAGE(Stage5_1Scene)
VRELS_TABLE_STAGE(Stage5_2Scene)
VRELS_TABLE_STAGE(Stage5_3Scene)
VRELS_TABLE_STAGE(Stage5_4Scene)
VRELS_TABLE_STAGE(Trial1_1Scene)
VRELS_TABLE_STAGE(Trial1_2Scene)
VRELS_TABLE_STAGE(Trial1_3Scene)
