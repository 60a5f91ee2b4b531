// How long reading a full weapon catalogue (512 entries, Chinese names in
// UTF-8, as the modification ships them) takes, against reading the same
// file's bytes whole; then the largest catalogue and buy-menu file a game
// folder may hold (support/big_inputs.h) against that catalogue and the
// demo game's buy menu. Prints the figures; asserts nothing.
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/globals.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "quickbuy/buy_menu_file.h"
#include "support/big_inputs.h"
#include "support/temp_folder.h"
#include "weapons/catalogue.h"

namespace {

constexpr int kEntries = 512;
constexpr int kRounds = 200;

double nowMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

std::string catalogueBytes() {
    const char8_t* names[] = {u8"AK-47 赤龙", u8"沙漠之鹰 黄金", u8"军刀", u8"高爆手雷", u8"M4A1"};
    const int ids[] = {28, 26, 29, 4, 22};
    std::string file = reinterpret_cast<const char*>(u8"; ZNK 武器配置\r\n");
    for (int i = 0; i < kEntries; ++i) {
        file += "[name]" + std::string(reinterpret_cast<const char*>(names[i % 5])) +
                std::to_string(i) + "[model]model_" + std::to_string(i) + "[p_sub]0[cswpn]" +
                std::to_string(ids[i % 5]) + "[damage]1.0[speed]1.0[clip]30[cost]3500\r\n";
    }
    return file;
}

std::vector<Text> splitLines(const std::string& bytes) {
    std::vector<Text> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The median of `kRounds` timings of `work`, in microseconds.
template <typename Work>
double medianMicroseconds(Work work) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        double start = nowMicroseconds();
        work();
        times.push_back(nowMicroseconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    TempFolder folder;
    std::string bytes = catalogueBytes();
    folder.write("znk_wpn.ini", bytes);
    Text path = folder.path() + "/znk_wpn.ini";
    createGlobalTables();

    double whole = medianMicroseconds([&] { readWholeFile(path); });
    std::printf("catalogue: %d entries, %zu bytes, median of %d readings\n", kEntries, bytes.size(),
                kRounds);
    std::printf("read whole:                 %9.1f us\n", whole);
    // The share of the line conversion, which Windows does with
    // WC_COMPOSITECHECK (slow under Wine).
    std::vector<Text> lines = splitLines(bytes);
    double conversion = medianMicroseconds([&] {
        for (const Text& line : lines)
            utf8ToGbk(line);
    });
    std::printf("UTF-8 to GBK of the lines:  %9.1f us\n", conversion);
    for (int selector : {kNoConversion, kGbkToBig5}) {
        g.languageSelector = selector;
        double catalogue = medianMicroseconds([&] { loadCatalogueFile(path); });
        std::printf(
            "catalogue, %-15s %9.1f us  (%.1f x the whole-file read, %.2f%% of a 60 Hz frame)\n",
            selector == kNoConversion ? "names as stored" : "names to BIG5", catalogue,
            catalogue / whole, catalogue / (1e6 / 60) * 100);
    }
    std::printf("entries read: %d\n", g.catalogue.catalogueCount);

    // The big files, each read as the launcher reads it, a few times.
    g.languageSelector = kNoConversion;
    double normal = medianMicroseconds([&] { loadCatalogueFile(path); });
    TempFolder big;
    bigInputs::write([&](const std::string& file, const std::string& bytes) {
        if (file.ends_with("znk_wpn.ini") || file.ends_with("MainBuyMenu.res"))
            big.write(file.substr(file.rfind('\\') + 1), bytes);
    });
    Text bigPath = big.path() + "/znk_wpn.ini";
    double start = nowMicroseconds();
    loadCatalogueFile(bigPath);
    double bigCatalogue = nowMicroseconds() - start;
    std::printf("big catalogue (%d entries kept): %.1f ms, %.0f x the full one\n",
                g.catalogue.catalogueCount, bigCatalogue / 1000, bigCatalogue / normal);
    // The demo game's buy menu is some 200 lines; scanned as the editor scans it.
    std::string menu = "\"Resource/UI/MainBuyMenu.res\"\r\n";
    for (int line = 0; line < 200; ++line)
        menu += "\t\t\"filler\"\t\t\"1\"\r\n";
    folder.write("MainBuyMenu.res", menu);
    double normalMenu = medianMicroseconds(
        [&] { scanBuyMenuText(readWholeFile(folder.path() + "/MainBuyMenu.res")); });
    start = nowMicroseconds();
    scanBuyMenuText(readWholeFile(big.path() + "/MainBuyMenu.res"));
    double bigMenu = nowMicroseconds() - start;
    std::printf("buy menu of %d lines: %.1f ms, %.0f x one of 200 lines\n",
                bigInputs::kBuyMenuFiller, bigMenu / 1000, bigMenu / normalMenu);
    releaseGlobalTables();
    return 0;
}
