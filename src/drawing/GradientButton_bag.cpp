// The gradient button's properties on a new instance and in the host's property bag.
// Every key is read and written with the same default, so a value equal to it is not
// stored.
#include "drawing/GradientButton.h"

#include "frame/drawing_surface.h"
#include "frame/std_font.h"
#include "platform/core/error.h"
#include "platform/window/window.h"

#include <cmath>

namespace paginor {

namespace {

using frame::BagValue;
using frame::PropertyBag;

namespace defaults {
constexpr OLE_COLOR ForeColor = 0x80000012;
constexpr OLE_COLOR Color1 = 0xF3E9DA;
constexpr OLE_COLOR Color2 = 0xFFFFFF;
constexpr OLE_COLOR DownColor1 = 0xFFFFFF;
constexpr OLE_COLOR DownColor2 = 0xFFD9C3;
constexpr OLE_COLOR HoverColor1 = 0xFFD9C3;
constexpr OLE_COLOR HoverColor2 = 0xF3E9DA;
constexpr SHORT BorderWidth = 1;
constexpr OLE_COLOR BackColor = 0x8000000F;
constexpr OLE_COLOR BevelColor = 0x80000005;
constexpr OLE_COLOR BorderColor = 0x80000010;
constexpr SHORT BevelWidth = 2;
constexpr OLE_COLOR ForeColor2 = 0;
} // namespace defaults

BagValue font_value(const frame::FontDescription& d) {
    return BagValue::font(d.name, int32_t(std::lround(d.size * 10000)), d.bold, d.italic,
                          d.underline, d.strikethrough);
}

void write_colour(PropertyBag& bag, std::u16string_view key, OLE_COLOR value, OLE_COLOR def) {
    bag.WriteProperty(key, BagValue::colour(value), BagValue::colour(def));
}

void write_int16(PropertyBag& bag, std::u16string_view key, SHORT value, SHORT def) {
    bag.WriteProperty(key, BagValue::int16(value), BagValue::int16(def));
}

void write_int32(PropertyBag& bag, std::u16string_view key, int32_t value, int32_t def) {
    bag.WriteProperty(key, BagValue::int32(value), BagValue::int32(def));
}

} // namespace

void GradientButton::UserControl_InitProperties() {
    const Ref<frame::StdFont> ambient =
        Ref<frame::StdFont>::adopt(frame::StdFont::create(AmbientFont()));
    surface().SetFont(ambient.get());
    m_picButton.SetPicture(nullptr);
    m_color1 = defaults::Color1;
    m_color2 = defaults::Color2;
    m_down_color1 = defaults::DownColor1;
    m_down_color2 = defaults::DownColor2;
    m_hover_color1 = defaults::HoverColor1;
    m_hover_color2 = defaults::HoverColor2;
    m_back_color = defaults::BackColor;
    m_bevel_color = defaults::BevelColor;
    m_border_color = defaults::BorderColor;
    m_border_width = defaults::BorderWidth;
    m_bevel_width = defaults::BevelWidth;
    m_font_effect = None;
    m_fore_color2 = defaults::ForeColor2;
    SetCaptionText(u"");
}

void GradientButton::UserControl_ReadProperties(const PropertyBag& bag) {
    frame::DrawingSurface& s = surface();
    s.SetForeColor(bag.read_colour(u"ForeColor", defaults::ForeColor));
    m_enabled = bag.read_boolean(u"Enabled", true);
    if (hwnd())
        platform::EnableWindow(hwnd(), m_enabled ? platform::TRUE : platform::FALSE);
    const Ref<IDispatch> stored = Ref<IDispatch>::adopt(bag.read_font(u"Font"));
    const Ref<IDispatch> font =
        stored ? stored : Ref<IDispatch>::adopt(frame::StdFont::create(AmbientFont()));
    s.SetFont(frame::StdFont::from(font.get()));
    m_picButton.SetPicture(Ref<IDispatch>::adopt(bag.read_picture(u"Picture")).get());
    m_color1 = bag.read_colour(u"Color1", defaults::Color1);
    m_color2 = bag.read_colour(u"Color2", defaults::Color2);
    m_down_color1 = bag.read_colour(u"DownColor1", defaults::DownColor1);
    m_down_color2 = bag.read_colour(u"DownColor2", defaults::DownColor2);
    m_hover_color1 = bag.read_colour(u"HoverColor1", defaults::HoverColor1);
    m_hover_color2 = bag.read_colour(u"HoverColor2", defaults::HoverColor2);
    m_border_width = bag.read_int16(u"BorderWidth", defaults::BorderWidth);
    m_back_color = bag.read_colour(u"BackColor", defaults::BackColor);
    m_bevel_color = bag.read_colour(u"BevelColor", defaults::BevelColor);
    m_border_color = bag.read_colour(u"BorderColor", defaults::BorderColor);
    m_bevel_width = bag.read_int16(u"BevelWidth", defaults::BevelWidth);
    m_font_effect = static_cast<eFontEffect>(bag.read_int32(u"FontEffect", None));
    m_fore_color2 = bag.read_colour(u"ForeColor2", defaults::ForeColor2);
    m_mode = static_cast<eMode>(bag.read_int32(u"Mode", CommandButton));
    m_value = bag.read_boolean(u"Value", false);
    SetCaptionText(bag.read_string(u"Caption", u""));
    const int32_t interval = bag.read_int32(u"Interval", 0);
    if (interval < 0 || interval > 65535)
        raise_standard(std_error::InvalidPropertyValue, std::u16string(source()),
                       u"Invalid property value reading property 'Interval'");
    m_tmrMouseDown.SetInterval(interval);
    Redraw();
}

void GradientButton::UserControl_WriteProperties(PropertyBag& bag) {
    frame::DrawingSurface& s = surface();
    write_colour(bag, u"BorderColor", m_border_color, defaults::BorderColor);
    write_colour(bag, u"BackColor", m_back_color, defaults::BackColor);
    write_colour(bag, u"BevelColor", m_bevel_color, defaults::BevelColor);
    write_colour(bag, u"ForeColor", s.ForeColor(), defaults::ForeColor);
    bag.WriteProperty(u"Enabled", BagValue::boolean(m_enabled), BagValue::boolean(true));
    bag.WriteProperty(u"Font", font_value(s.Font()->description()), font_value(AmbientFont()));
    if (m_picButton.Picture())
        bag.write_picture(u"Picture", m_picButton.Picture());
    else
        bag.WriteProperty(u"Picture", BagValue::none(), BagValue::none());
    write_colour(bag, u"Color1", m_color1, defaults::Color1);
    write_colour(bag, u"Color2", m_color2, defaults::Color2);
    write_colour(bag, u"DownColor1", m_down_color1, defaults::DownColor1);
    write_colour(bag, u"DownColor2", m_down_color2, defaults::DownColor2);
    write_colour(bag, u"HoverColor1", m_hover_color1, defaults::HoverColor1);
    write_colour(bag, u"HoverColor2", m_hover_color2, defaults::HoverColor2);
    write_int16(bag, u"BorderWidth", m_border_width, defaults::BorderWidth);
    write_int16(bag, u"BevelWidth", m_bevel_width, defaults::BevelWidth);
    write_int32(bag, u"FontEffect", m_font_effect, None);
    write_colour(bag, u"ForeColor2", m_fore_color2, defaults::ForeColor2);
    write_int32(bag, u"Mode", m_mode, CommandButton);
    bag.WriteProperty(u"Value", BagValue::boolean(m_value), BagValue::boolean(false));
    bag.WriteProperty(u"Caption", BagValue::string(m_caption), BagValue::string(u""));
    write_int32(bag, u"Interval", m_tmrMouseDown.Interval(), 0);
}

} // namespace paginor
