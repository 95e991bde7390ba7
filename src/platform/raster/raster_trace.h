// A test seam: while a RasterTrace is alive, the raster calls that drawing code makes
// (object creation and selection, colour and mode changes, blits, pixel writes) are
// recorded with their arguments, so a test can pin the exact order of calls a routine
// makes. Without a live trace, recording costs one pointer test.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace paginor::platform {

struct TraceArg {
    enum class Kind { Int, Hex, Handle };
    int64_t value{0};
    Kind kind{Kind::Int};

    TraceArg(int64_t v) : value(v) {}
    static TraceArg hex(uint32_t v) { return {int64_t(v), Kind::Hex}; }
    static TraceArg handle(uint32_t v) { return {int64_t(v), Kind::Handle}; }

  private:
    TraceArg(int64_t v, Kind k) : value(v), kind(k) {}
};

struct RasterCall {
    std::string name;
    std::vector<TraceArg> args;
    bool has_result{false};
    TraceArg result{0};
};

class RasterTrace {
  public:
    // Starts recording; traces nest, the innermost records.
    RasterTrace();
    ~RasterTrace();
    RasterTrace(const RasterTrace&) = delete;
    RasterTrace& operator=(const RasterTrace&) = delete;

    const std::vector<RasterCall>& calls() const { return m_calls; }
    void clear() { m_calls.clear(); }

    // One line per call: "BitBlt(dc1, 0, 0, 4, 4, src, 0, 0, 0x00CC0020)", with " = dc2"
    // appended for calls that make an object. Handles named
    // in `names` print by that name; other non-zero handles are numbered by kind in order
    // of first appearance (dc1, bm1, br1, pen1, font1), 0 prints as 0.
    std::vector<std::string> lines(const std::map<uint32_t, std::string>& names = {}) const;

    void record(RasterCall call) { m_calls.push_back(std::move(call)); }

  private:
    std::vector<RasterCall> m_calls;
    RasterTrace* m_outer{nullptr};
};

// Records a call in the innermost live trace, if any.
void trace_call(const char* name, std::initializer_list<TraceArg> args);
// The same for a call that makes an object, recording what it returned.
void trace_result(const char* name, std::initializer_list<TraceArg> args, TraceArg result);
bool tracing();

} // namespace paginor::platform
