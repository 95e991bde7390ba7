// The text form file: a saved form with its controls, their places and their property
// bags, in a form a person can read and diff. Pictures are base64 streams, wrapped at
// 64 characters; texts are written in the system code page with '"' doubled.
//
//   PaginorForm 1
//   Begin Form Form1
//       Width = 4800
//       Height = 3600
//       BackColor = &H8000000F&
//       Begin PaginorV2CTL.O2007Hover hPrompt
//           Left = 120
//           Top = 120
//           Width = 360
//           Height = 360
//           NormalImage = Picture {
//               iVBORw0KGgoAAAANSUhEUgAAABAAAAAQ...
//           }
//           HoverText = String "Prompt"
//       End
//   End
//
// Bag values: Nothing, Integer n, Long n, Boolean True|False, Colour &Hhex&, String "..",
// Font "face" points [Bold] [Italic] [Underline] [Strikethrough], Picture { base64 lines }.
// Geometry (Left, Top, Width, Height, in twips: finite numbers within a Long) and Container (the
// name of the holding control when it is not the form) precede the bag.
#pragma once

#include <paginor/base.h>

#include "frame/property_bag.h"

#include <string>
#include <string_view>
#include <vector>

namespace paginor::frame {

struct FormControlRecord {
    std::u16string progid{};    // "PaginorV2CTL.O2007Hover"
    std::u16string name{};      // unique on the form
    std::u16string container{}; // empty: the form itself
    double left{0};
    double top{0};
    double width{0};
    double height{0};
    PropertyBag bag{};
    friend bool operator==(const FormControlRecord&, const FormControlRecord&) = default;
};

struct FormRecord {
    std::u16string name{u"Form1"};
    double width{4800};
    double height{3600};
    OLE_COLOR back_color{0x8000000F};
    std::vector<FormControlRecord> controls{}; // in form order
    friend bool operator==(const FormRecord&, const FormRecord&) = default;
};

// Where and why reading stopped. ok() when the whole text was read.
struct FormFileResult {
    int line{0};            // 1-based line of the fault; 0 when ok
    std::u16string entry{}; // the key (or block) the fault is in
    std::u16string description{};
    bool ok() const { return description.empty(); }
};

inline constexpr size_t kMaxFormFileBytes = size_t(64) << 20;

// The file's text. Never fails.
std::string write_form_file(const FormRecord& form);
// Reads a form file of at most kMaxFormFileBytes. On any fault (a larger file, unknown keyword,
// unknown value kind, a number out of range, a broken string, bad base64, a block left open, a line
// after the end) the result names the line and entry; `out` then holds what was read before it.
FormFileResult read_form_file(std::string_view text, FormRecord& out);

} // namespace paginor::frame
