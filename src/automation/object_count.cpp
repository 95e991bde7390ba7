#include "automation/object_count.h"

namespace paginor::automation {
namespace {
long objects = 0;
long locks = 0;
} // namespace

void object_created() {
    ++objects;
}
void object_destroyed() {
    --objects;
}
long live_objects() {
    return objects;
}
void lock_server(bool lock) {
    if (lock)
        ++locks;
    else if (locks > 0)
        --locks;
}
long server_locks() {
    return locks;
}

} // namespace paginor::automation
