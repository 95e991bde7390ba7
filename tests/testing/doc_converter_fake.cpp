#include "testing/doc_converter_fake.h"

#include "convert/convert_error.h"
#include "platform/core/unicode.h"

#include <stdexcept>

namespace paginor::seams {

namespace {
DocConverterFake* g_fake = nullptr;
}

// A text setting recorded under its name, then set.
#define PAGINOR_RECORDED(setter, name)                                                             \
    void setter(std::u16string_view v) override {                                                  \
        note(name, v);                                                                             \
        Base::setter(v);                                                                           \
    }

class RecordingConverter : public convert::DocConverter {
  public:
    PAGINOR_RECORDED(set_hit_start, u"HitStart")
    PAGINOR_RECORDED(set_hit_end, u"HitEnd")
    PAGINOR_RECORDED(set_source_file, u"SourceFile")
    PAGINOR_RECORDED(set_field_text, u"FieldText")
    PAGINOR_RECORDED(set_hit_list, u"HitList")
    PAGINOR_RECORDED(set_index_location, u"IndexLocation")
    PAGINOR_RECORDED(set_target_file, u"TargetFile")
    PAGINOR_RECORDED(set_preamble, u"Preamble")
    void set_return_as_text(bool v) override {
        note(u"ReturnAsText", v ? u"-1" : u"0");
        Base::set_return_as_text(v);
    }
    void set_format_code(int32_t v) override {
        note(u"FormatCode", from_utf8(std::to_string(v)));
        Base::set_format_code(v);
    }

    void run() override {
        note(u"Run", {});
        if (g_fake->m_render) {
            Base::run();
            m_result = Base::result_text();
        } else {
            m_result = g_fake->m_result;
        }
    }
    std::u16string result_text() const override { return m_result; }
    std::u16string take_result_text() override { return std::move(m_result); }

  private:
    using Base = convert::DocConverter;

    void note(std::u16string_view name, std::u16string_view value) {
        g_fake->m_log.push_back(name == u"Run"
                                    ? std::u16string(name)
                                    : std::u16string(name) + u"=" + std::u16string(value));
        if (g_fake->m_fail_at == name) {
            convert::raise_convert(convert::ConvertCode::BadSetting, convert::kDocSource, {},
                                   u"Failing on request at " + std::u16string(name));
        }
    }

    std::u16string m_result;
};

#undef PAGINOR_RECORDED

DocConverterFake::DocConverterFake() {
    if (g_fake != nullptr) {
        throw std::logic_error("one DocConverterFake at a time");
    }
    g_fake = this;
    m_previous = convert::set_doc_converter_factory(&make);
}

DocConverterFake::~DocConverterFake() {
    convert::set_doc_converter_factory(m_previous);
    g_fake = nullptr;
}

std::unique_ptr<convert::DocConverter> DocConverterFake::make() {
    g_fake->m_log.push_back(u"Create");
    if (g_fake->m_fail_create) {
        raise_standard(std_error::CannotCreateObject, std::u16string(convert::kDocSource));
    }
    return std::make_unique<RecordingConverter>();
}

} // namespace paginor::seams
