#include "support/big_inputs.h"

#include <cstdint>
#include <utility>

#include "match/map_catalogue.h"
#include "platform/files.h"
#include "support/jpeg_maker.h"
#include "weapons/catalogue.h"

namespace bigInputs {

namespace {

// Lines of `line(n)` up to about `bytes`.
template <typename Line>
std::string linesOf(long long bytes, Line line) {
    std::string text;
    text.reserve(static_cast<size_t>(bytes) + 64);
    for (int n = 1; static_cast<long long>(text.size()) < bytes; ++n)
        text += line(n);
    return text;
}

// prefix + n + suffix, built by appending: GCC 12 at -O3 warns wrongly about
// a short literal + std::to_string.
std::string numbered(const char* prefix, int n, const char* suffix) {
    std::string text = prefix;
    text += std::to_string(n);
    text += suffix;
    return text;
}

std::string littleEndian(uint32_t value, int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i)
        text += static_cast<char>((value >> (8 * i)) & 0xFF);
    return text;
}

// A 24-bit BMP header for 65,535 x 65,535 pixels, and none of them.
std::string hugeBmp() {
    std::string bmp = "BM";
    for (auto [value, bytes] : {std::pair{54u, 4},
                                {0u, 4},
                                {54u, 4},
                                {40u, 4},
                                {65535u, 4},
                                {65535u, 4},
                                {1u, 2},
                                {24u, 2}}) {
        bmp += littleEndian(value, bytes);
    }
    bmp.append(24, '\0');
    return bmp;
}

// A real JPEG whose frame header is then made to claim 65,535 x 65,535.
std::string hugeJpeg() {
    std::string jpeg = encodeJpeg(8, 8, false, false, [](int, int) { return 0xFF808080u; });
    size_t frame = jpeg.find("\xFF\xC0");
    if (frame != std::string::npos)
        jpeg.replace(frame + 5, 4, "\xFF\xFF\xFF\xFF");
    return jpeg;
}

}  // namespace

std::string longDisplayName() {
    return std::string(static_cast<size_t>(kMaxLineBytes) + 1000, 'N');
}

void write(const std::function<void(const std::string&, const std::string&)>& write,
           long long listBytes) {
    const std::string unended(4 << 20, 'x');

    // The maps: a line past the line limit, then more installed maps than the
    // list keeps, then lines that name no installed map up to the size, then
    // a 4 MiB line without an end.
    std::string maps = "[Name]\r\n" + std::string(kFirstMap) + "=" + longDisplayName() + "\r\n";
    for (int n = 2; n <= kMaxMaps + kExtra; ++n)
        maps += numbered("m", n, "=") + numbered("Map ", n, "\r\n");
    for (int n = 1; n <= kMaxMaps + kExtra; ++n)
        write(numbered("cstrike\\maps\\m", n, ".bsp"), "BSP");
    maps += linesOf(listBytes, [](int n) { return numbered("gone", n, "=Gone\r\n"); });
    write("LauncherRes\\Data\\Maps.ini", maps + unended);
    write("LauncherRes\\Data\\Maps\\" + std::string(kFirstMap) + "_cso.bmp", hugeBmp());

    // The catalogue: UTF-8 lines that name no weapon up to the size, a 4 MiB
    // line, then more weapons than the catalogue keeps.
    std::string catalogue = linesOf(listBytes, [](int n) {
        return numbered(reinterpret_cast<const char*>(u8"注释 "), n, "[name]without the rest\r\n");
    });
    catalogue += unended + "\r\n";
    for (int n = 1; n <= kMaxWeapons + kExtra; ++n) {
        catalogue +=
            numbered("[name]W", n, "") + numbered("[model]w", n, "[p_sub]0[cswpn]29[damage]1\r\n");
    }
    write("cstrike\\addons\\amxmodx\\configs\\znk_wpn.ini", catalogue);
    write("cstrike\\addons\\amxmodx\\configs\\znk_precachewpn.ini",
          "[My Weapons]\r\nKNIFES=w1,\r\n");
    write("wpnpics\\" + std::string(kFirstWeapon) + ".jpg", hugeJpeg());
    write("wpnpics\\m4a1.jpg", "m4a1 picture");

    // The buy menu: 100,000 lines and a 4 MiB one before the five packs.
    std::string menu = "\"Resource/UI/MainBuyMenu.res\"\r\n";
    for (int n = 1; n <= kBuyMenuFiller; ++n)
        menu += numbered("\t\t\"filler\"\t\t\"", n, "\"\r\n");
    menu += unended + "\r\n";
    for (int pack = 1; pack <= 5; ++pack) {
        std::string marker = numbered("//WeaponPack", pack, "");
        menu += marker + "_command\r\n\"Command\" \"";
        for (const char* model : {"m4a1", "usp", "knife", "hegrenade"})
            menu += std::string("znk_buy_wpn ") + model + ";";
        menu += "\"\r\n";
        for (int image = 1; image <= 3; ++image)
            menu += marker + numbered("_img", image, "\r\n\"image\" \"gfx/vgui/m4a1\"\r\n");
    }
    write("cstrike\\resource\\UI\\MainBuyMenu.res", menu + "}");
}

}  // namespace bigInputs
