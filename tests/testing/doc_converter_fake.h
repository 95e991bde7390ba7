// A stand-in for the document converter in the viewer's tests: while alive, every
// converter made through create_doc_converter() records each setting and Run, in order,
// and fails on request at its creation, at a named setting or at Run. By default Run
// only records and leaves the planned result text; with render(true) it also runs the
// real converter.
#pragma once

#include "convert/DocConverter.h"

#include <optional>
#include <string>
#include <vector>

namespace paginor::seams {

class DocConverterFake {
  public:
    DocConverterFake();
    ~DocConverterFake();
    DocConverterFake(const DocConverterFake&) = delete;
    DocConverterFake& operator=(const DocConverterFake&) = delete;

    // Creation raises the standard "cannot create object" error (429).
    void fail_create(bool fail = true) { m_fail_create = fail; }
    // The setting or operation of this name ("SourceFile", "Run", ...) raises the
    // converter's BadSetting error instead of taking effect.
    void fail_at(std::u16string name) { m_fail_at = std::move(name); }
    void set_result(std::u16string text) { m_result = std::move(text); }
    void render(bool real) { m_render = real; }

    // "Create", then "Name=value" per setting (booleans and numbers in decimal), "Run".
    const std::vector<std::u16string>& log() const { return m_log; }

  private:
    friend class RecordingConverter;
    static std::unique_ptr<convert::DocConverter> make();

    bool m_fail_create{false};
    std::optional<std::u16string> m_fail_at;
    std::u16string m_result;
    bool m_render{false};
    std::vector<std::u16string> m_log;
    convert::DocConverterFactory m_previous{nullptr};
};

} // namespace paginor::seams
