// The toolbox pictures, one pixel a character. The light grey '.' is the toolbox's own
// face colour, so the pictures sit on it without a visible edge.
#include "library/resources.h"

#include <array>

namespace paginor::library {

namespace {

using Legend = std::pair<char, uint32_t>;

constexpr std::array kDocumentLegend{
    Legend{'.', 0xC0C0C0}, Legend{'k', 0x404040}, Legend{'w', 0xFFFFFF},
    Legend{'-', 0x808080}, Legend{'r', 0xE00000}, Legend{'f', 0xD8D8D8},
};
constexpr std::array<std::string_view, 15> kDocument{
    "................", //
    "..kkkkkkkkk.....", //
    "..kwwwwwwwkk....", //
    "..kwwwwwwwkfk...", //
    "..kw-----wkkkk..", //
    "..kwwwwwwwwwwk..", //
    "..kw--------wk..", //
    "..kwwwwwwwwwwk..", //
    "..kw--rrrr--wk..", //
    "..kwwwwwwwwwwk..", //
    "..kw--------wk..", //
    "..kwwwwwwwwwwk..", //
    "..kw-----wwwwk..", //
    "..kwwwwwwwwwwk..", //
    "..kkkkkkkkkkkk..", //
};

constexpr std::array kHoverLegend{
    Legend{'.', 0xC0C0C0}, Legend{'b', 0x3169C6}, Legend{'h', 0xC6DEFF}, Legend{'o', 0xB06000},
    Legend{'y', 0xFFD040}, Legend{'-', 0x202020}, Legend{'k', 0x000000}, Legend{'w', 0xFFFFFF},
};
constexpr std::array<std::string_view, 15> kHoverButton{
    "................", //
    "................", //
    ".bbbbbbbbbbbbbb.", //
    ".bhhhhhhhhhhhhb.", //
    ".bhoooohhhhhhhb.", //
    ".bhoyyohhhhhhhb.", //
    ".bhoyyoh------b.", //
    ".bhoooohhhhhhhb.", //
    ".bhhhhhhhhhkhhb.", //
    ".bbbbbbbbbbkkbb.", //
    "...........kwk..", //
    "...........kwwk.", //
    "...........kwkkk", //
    "...........kk...", //
    "...........k....", //
};

constexpr std::array kPromptLegend{
    Legend{'.', 0xC0C0C0}, Legend{'-', 0x000000}, Legend{'d', 0x808080}, Legend{'w', 0xFFFFFF},
    Legend{'h', 0xF0F0F0}, Legend{'s', 0x404040}, Legend{'c', 0x000080},
};
constexpr std::array<std::string_view, 15> kPromptField{
    "................", //
    "................", //
    ".----.---.......", //
    "................", //
    "................", //
    "ddddddddddddddds", //
    "dwwwwwwwwdhhhhhs", //
    "dwwwwwwwwdhhhhhs", //
    "dwc--c--wd-h-h-s", //
    "dwwwwwwwwdhhhhhs", //
    "dwwwwwwwwdhhhhhs", //
    "dddddddddsssssss", //
    "................", //
    "................", //
    "................", //
};

constexpr std::array kMultiLegend{
    Legend{'.', 0xC0C0C0}, Legend{'-', 0x000000}, Legend{'d', 0x808080}, Legend{'w', 0xFFFFFF},
    Legend{'s', 0x0A246A}, Legend{'W', 0xFFFFFE}, Legend{'g', 0x008000}, Legend{'h', 0xF0F0F0},
};
constexpr std::array<std::string_view, 15> kMultiPrompt{
    "................", //
    "ddddddddddd.....", //
    "dwwwwwwwwwd.....", //
    "dw------wwd.dddd", //
    "dwwwwwwwwwd.dhhd", //
    "dsssssssssd.dgdd", //
    "dsWWWWWWssd.ggg.", //
    "dsssssssssd.dgdd", //
    "dwwwwwwwwwd.dhhd", //
    "dw-----wwwd.dddd", //
    "dwwwwwwwwwd.....", //
    "dw-------wd.....", //
    "dwwwwwwwwwd.....", //
    "ddddddddddd.....", //
    "................", //
};

constexpr std::array kGradientLegend{
    Legend{'.', 0xC0C0C0}, Legend{'k', 0x102040}, Legend{'1', 0xE8F0FF}, Legend{'2', 0xC8DAF8},
    Legend{'3', 0xA8C4F0}, Legend{'4', 0x88AEE8}, Legend{'5', 0x6898E0}, Legend{'6', 0x4882D8},
    Legend{'7', 0x306CC8}, Legend{'8', 0x2056B0}, Legend{'9', 0x104098}, Legend{'w', 0xFFFFFF},
};
constexpr std::array<std::string_view, 15> kGradientButton{
    "................", //
    "................", //
    "..kkkkkkkkkkkk..", //
    ".k111111111111k.", //
    ".k222222222222k.", //
    ".k333333333333k.", //
    ".k444444444444k.", //
    ".k55wwww5www55k.", //
    ".k666666666666k.", //
    ".k777777777777k.", //
    ".k888888888888k.", //
    ".k999999999999k.", //
    "..kkkkkkkkkkkk..", //
    "................", //
    "................", //
};

// The palette of both 4 bpp pictures: the toolbox face, greys, and the warm tones of a
// lit image button.
constexpr std::array kPalette{
    Legend{'k', 0x000000}, Legend{'.', 0xC0C0C0}, Legend{'w', 0xFFFFFF}, Legend{'d', 0x808080},
    Legend{'l', 0xE0E0E0}, Legend{'o', 0xFFD17A}, Legend{'y', 0xFFF2C8}, Legend{'O', 0xF0A840},
    Legend{'B', 0xB07830}, Legend{'n', 0x15428B}, Legend{'b', 0x5A8CD2}, Legend{'L', 0xC5D9F1},
    Legend{'g', 0x20A020}, Legend{'G', 0x0C6A0C}, Legend{'r', 0xC00000}, Legend{'p', 0xA0A0A0},
};
static_assert(kPalette.size() == 16);

constexpr std::array<std::string_view, 15> kO2007Hover{
    "................", //
    "..BBBBBBBBBBBB..", //
    ".ByyyyyyyyyyyyB.", //
    ".ByyyyyyyyyyyyB.", //
    ".ByyyyynnyyyyyB.", //
    ".ByyyynLLnyyyyB.", //
    ".BoooonLLnooooB.", //
    ".BooonbbbbnoooB.", //
    ".BoooonbbnooooB.", //
    ".BOOOOnbbnOOOOB.", //
    ".BOOOOnnnnOOOOB.", //
    ".BOOOOOOOOOOOOB.", //
    ".BOOOOOOOOOOOOB.", //
    "..BBBBBBBBBBBB..", //
    "................", //
};

constexpr std::array<std::string_view, 15> kO2007Check{
    "................", //
    "................", //
    "................", //
    "nnnnnnnnn.......", //
    "nwwwwwwwn.......", //
    "nwwwwwwgn.......", //
    "nwwwwwggn.kkkkk.", //
    "nwgwwggwn.......", //
    "nwggggwwn.kkkk..", //
    "nwwggwwwn.......", //
    "nwwwwwwwn.......", //
    "nnnnnnnnn.......", //
    "................", //
    "................", //
    "................", //
};

constexpr std::array kBitmaps{
    ToolboxBitmap{30000, "DDOC", 24, kDocument, kDocumentLegend},
    ToolboxBitmap{30001, "HoverButton", 24, kHoverButton, kHoverLegend},
    ToolboxBitmap{30002, "PromptField", 24, kPromptField, kPromptLegend},
    ToolboxBitmap{30003, "MultiPrompt", 24, kMultiPrompt, kMultiLegend},
    ToolboxBitmap{30004, "GradientButton", 24, kGradientButton, kGradientLegend},
    ToolboxBitmap{30005, "O2007Hover", 4, kO2007Hover, kPalette},
    ToolboxBitmap{30006, "O2007Check", 4, kO2007Check, kPalette},
};

} // namespace

std::span<const ToolboxBitmap> toolbox_bitmaps() {
    return kBitmaps;
}

} // namespace paginor::library
