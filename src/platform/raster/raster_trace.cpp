#include "platform/raster/raster_trace.h"

#include <cstdio>

namespace paginor::platform {

namespace {

RasterTrace*& innermost() {
    static RasterTrace* trace = nullptr;
    return trace;
}

const char* kind_prefix(uint32_t handle) {
    switch (handle >> 24) {
    case 0x01:
        return "dc";
    case 0x05:
        return "bm";
    case 0x0A:
        return "font";
    case 0x10:
        return "br";
    case 0x30:
        return "pen";
    default:
        return "h";
    }
}

} // namespace

RasterTrace::RasterTrace() : m_outer(innermost()) {
    innermost() = this;
}

RasterTrace::~RasterTrace() {
    innermost() = m_outer;
}

std::vector<std::string> RasterTrace::lines(const std::map<uint32_t, std::string>& names) const {
    std::map<uint32_t, std::string> known = names;
    std::map<std::string, int> per_kind;
    auto name_of = [&](uint32_t h) -> std::string {
        if (h == 0)
            return "0";
        auto it = known.find(h);
        if (it != known.end())
            return it->second;
        std::string prefix = kind_prefix(h);
        std::string n = prefix + std::to_string(++per_kind[prefix]);
        known[h] = n;
        return n;
    };
    std::vector<std::string> out;
    for (const RasterCall& c : m_calls) {
        std::string line = c.name + "(";
        for (size_t i = 0; i < c.args.size(); ++i) {
            const TraceArg& a = c.args[i];
            if (i)
                line += ", ";
            if (a.kind == TraceArg::Kind::Handle) {
                line += name_of(uint32_t(a.value));
            } else if (a.kind == TraceArg::Kind::Hex) {
                char buf[16];
                std::snprintf(buf, sizeof buf, "0x%08X", unsigned(a.value));
                line += buf;
            } else {
                line += std::to_string(a.value);
            }
        }
        line += ")";
        if (c.has_result)
            line +=
                " = " + (c.result.kind == TraceArg::Kind::Handle ? name_of(uint32_t(c.result.value))
                                                                 : std::to_string(c.result.value));
        out.push_back(line);
    }
    return out;
}

void trace_call(const char* name, std::initializer_list<TraceArg> args) {
    if (RasterTrace* t = innermost())
        t->record(RasterCall{name, std::vector<TraceArg>(args)});
}

void trace_result(const char* name, std::initializer_list<TraceArg> args, TraceArg result) {
    if (RasterTrace* t = innermost())
        t->record(RasterCall{name, std::vector<TraceArg>(args), true, result});
}

bool tracing() {
    return innermost() != nullptr;
}

} // namespace paginor::platform
