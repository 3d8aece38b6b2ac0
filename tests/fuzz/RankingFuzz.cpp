// The ranking file over any contents: loading never fails, and a ranking
// that was loaded saves and loads again with the same scores.
#include "app/Log.h"
#include "app/Ranking.h"
#include "app/SystemInfo.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ScratchFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vrels::SetLogPath(fuzz::ScratchFolder() + "/log.txt");
    const std::string path = fuzz::WriteScratchFile("score.ini", data, size);
    SystemInfo_t info;
    vrels::LoadRanking(info, path);
    FUZZ_CHECK(vrels::SaveRanking(info, path));
    SystemInfo_t again;
    vrels::LoadRanking(again, path);
    FUZZ_CHECK(again.ranking.size() == info.ranking.size());
    for (std::size_t i = 0; i < info.ranking.size(); ++i) {
        FUZZ_CHECK(again.ranking[i].score == info.ranking[i].score);
    }
    return 0;
}
