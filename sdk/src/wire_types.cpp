#include "wire_types.h"

#include <cstring>

namespace corv {

ByteArray::ByteArray(const void* data, size_t size)
    : array_(g_array_sized_new(FALSE, FALSE, 1, static_cast<guint>(size))) {
    if (size) g_array_append_vals(array_, data, static_cast<guint>(size));
}

ByteArray::~ByteArray() {
    if (array_) g_array_free(array_, TRUE);
}

UIntArray::UIntArray(const std::vector<guint>& values)
    : array_(g_array_sized_new(FALSE, FALSE, sizeof(guint), static_cast<guint>(values.size()))) {
    if (!values.empty()) g_array_append_vals(array_, values.data(), static_cast<guint>(values.size()));
}

UIntArray::~UIntArray() { g_array_free(array_, TRUE); }

void OutBytes::copyTo(void* dest, size_t size) const { copyTo(dest, size, 0); }

void OutBytes::copyTo(void* dest, size_t size, size_t offset) const {
    size_t available = this->size() > offset ? this->size() - offset : 0;
    size_t have = available < size ? available : size;
    if (have) std::memcpy(dest, data() + offset, have);
    if (have < size) std::memset(static_cast<char*>(dest) + have, 0, size - have);
}

}  // namespace corv
