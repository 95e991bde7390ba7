// A host-side form: a top-level window at the screen's origin holding the library's
// controls by ProgID at twips positions, in form order, each created through the class
// factory, sited (on the form or inside an earlier control), its lifecycle run, saved to
// and loaded from a text form file, and rendered headless to pixels or a PNG.
//
//   host::Form form;
//   IDispatch* button = form.add(u"PaginorV2CTL.O2007Hover", u"hOne", 120, 120, 240, 240);
//   platform::DoEvents();
//   form.render_png("form.png");
#pragma once

#include <paginor/base.h>

#include "frame/form_file.h"
#include "frame/std_font.h"
#include "frame/user_control.h"
#include "host/form_view.h"
#include "platform/image/image_codec.h"

#include <memory>
#include <string>
#include <vector>

namespace paginor::host {

class FormObject;

class Form final : public FormView {
  public:
    using Entry = FormEntry;
    struct Change {
        std::u16string control;
        DISPID dispid;
        friend bool operator==(const Change&, const Change&) = default;
    };

    // A form window of the size in twips; user_mode false makes it a designer.
    explicit Form(std::u16string name = u"Form1", double width = 4800, double height = 3600,
                  OLE_COLOR back_color = 0x8000000F, bool user_mode = true);
    // Terminates and releases every control (last added first; each leaves the list of
    // controls before it is released), detaches the form's object, destroys the window.
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND hwnd() const override { return m_hwnd; }
    bool user_mode() const { return m_user_mode; }
    const std::u16string& name() const override { return m_name; }
    OLE_COLOR back_color() const override { return m_back_color; }
    // The object every control's Parent answers (borrowed; see form_object.h). It stays
    // valid while a host holds a reference, but answers E_UNEXPECTED once the form is gone.
    IDispatch* object() const;

    // The font controls added from now on start with (their site's ambient font).
    const frame::FontDescription& ambient_font() const { return m_ambient_font; }
    void set_ambient_font(frame::FontDescription font) { m_ambient_font = std::move(font); }

    // Creates the control named by progid through the class factory and runs its
    // lifecycle: site (hidden, inside `container` when given), init-properties (or
    // read-properties with bag), show, move. Returns the control, borrowed (the form
    // holds it). Throws RuntimeError: 429 for a ProgID that names no class of the
    // library, 5 for a class that is not a control, a name already used on the form or
    // an unknown container. The control's own lifecycle errors pass through.
    IDispatch* add(std::u16string_view progid, std::u16string_view name, double left, double top,
                   double width, double height, const frame::PropertyBag* bag = nullptr,
                   std::u16string_view container = {});
    // Borrowed; null when no control has the name.
    IDispatch* control(std::u16string_view name) const override;
    // The form's default button (cancel false) or cancel button (cancel true): Enter
    // pressed while another control (or the form itself) has the focus goes to the default
    // button as its access key 13, Esc to the cancel button as 27, and the control with
    // the focus hears neither. An empty name clears it; one control may be both. Throws
    // RuntimeError 5 for a name no control has. Not saved with the form.
    void set_default_button(std::u16string_view name, bool cancel);
    // Hands key (Enter or Esc) to the default or cancel button when there is one, it is
    // enabled and it does not have the focus itself (focus is the focused control's
    // window, 0 for none); false when the key stays with the focus.
    bool dialog_key(HWND focus, SHORT key);
    const std::vector<Entry>& controls() const override { return m_entries; }
    // Property changes the controls reported, oldest first; dirty() while any.
    const std::vector<Change>& changes() const { return m_changes; }
    bool dirty() const { return !m_changes.empty(); }

    // Each control's write-properties step into a record of the form (clears dirty).
    frame::FormRecord save();
    // A new form built from a record, each control read from its bag. Throws as add().
    static std::unique_ptr<Form> load(const frame::FormRecord& record, bool user_mode = true);

    // Pumps pending paints, then composes the form window and every visible control
    // window (bottom of the z-order first) into one picture of the form's size, and over
    // them every visible top-level window above the form in the z-order (a tool-tip, a
    // pop-up), clipped to the form.
    platform::Image render();
    // The same picture as the windows' surfaces hold it now, nothing repainted: what a
    // presenter shows after the window system has painted only what was invalid.
    platform::Image composed() const;
    // render() written as PNG; throws RuntimeError 75 when the file cannot be written.
    void render_png(const std::string& path);

  private:
    class Site;
    static platform::LRESULT form_proc(HWND, UINT, platform::WPARAM, platform::LPARAM);
    void note_change(IUnknown* control, DISPID dispid);

    std::u16string m_name;
    OLE_COLOR m_back_color;
    bool m_user_mode;
    frame::FontDescription m_ambient_font{};
    HWND m_hwnd{0};
    automation::Ref<FormObject> m_object{};
    std::vector<Entry> m_entries{};
    std::vector<std::unique_ptr<Site>> m_sites{};
    std::vector<Change> m_changes{};
    std::u16string m_default{}; // the default button's name, empty for none
    std::u16string m_cancel{};  // the cancel button's name, empty for none
};

} // namespace paginor::host
