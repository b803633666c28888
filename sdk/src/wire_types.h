// How C++ argument types of the call helpers map to dbus-glib types and D-Bus
// signatures. Inputs are values; outputs are pointers to where the reply goes.
#pragma once

#include <dbus/dbus-glib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corv {

// A byte array built for a request (owned; freed when the call is over).
class ByteArray {
public:
    ByteArray(const void* data, size_t size);
    ~ByteArray();
    ByteArray(const ByteArray&) = delete;
    ByteArray& operator=(const ByteArray&) = delete;
    ByteArray(ByteArray&& other) noexcept : array_(other.array_) { other.array_ = nullptr; }
    GArray* get() const { return array_; }

private:
    GArray* array_;
};

// A string output of a reply; freed with the holder.
struct OutString {
    char* value = nullptr;
    ~OutString() { g_free(value); }
};

// A byte-array output of a reply; freed with the holder.
struct OutBytes {
    GArray* value = nullptr;
    ~OutBytes() {
        if (value) g_array_free(value, TRUE);
    }
    size_t size() const { return value ? value->len : 0; }
    const guint8* data() const { return value ? reinterpret_cast<const guint8*>(value->data) : nullptr; }
    // Copies exactly `size` bytes to dest: the reply's bytes, zero-filled where the reply
    // is shorter, so a short reply never leaves stale or unread caller memory.
    void copyTo(void* dest, size_t size) const;
    // The same for the reply's bytes from `offset` on.
    void copyTo(void* dest, size_t size, size_t offset) const;
};

// A D-Bus boolean: gboolean is an int, so booleans get a type of their own.
struct Bool {
    gboolean value;
};

template <typename T>
struct InTraits;
template <>
struct InTraits<Bool> {
    static constexpr const char* sig = "b";
    static GType type() { return G_TYPE_BOOLEAN; }
    static gboolean pass(Bool v) { return v.value; }
};
template <>
struct InTraits<guint> {
    static constexpr const char* sig = "u";
    static GType type() { return G_TYPE_UINT; }
    static guint pass(guint v) { return v; }
};
template <>
struct InTraits<gint> {
    static constexpr const char* sig = "i";
    static GType type() { return G_TYPE_INT; }
    static gint pass(gint v) { return v; }
};
template <>
struct InTraits<guchar> {
    static constexpr const char* sig = "y";
    static GType type() { return G_TYPE_UCHAR; }
    static guint pass(guchar v) { return v; }  // varargs promote it anyway
};
template <>
struct InTraits<const char*> {
    static constexpr const char* sig = "s";
    static GType type() { return G_TYPE_STRING; }
    static const char* pass(const char* v) { return v; }
};
template <>
struct InTraits<const ByteArray*> {
    static constexpr const char* sig = "ay";
    static GType type() { return DBUS_TYPE_G_UCHAR_ARRAY; }
    static GArray* pass(const ByteArray* v) { return v->get(); }
};

// A list of 32-bit values built for a request (owned).
class UIntArray {
public:
    explicit UIntArray(const std::vector<guint>& values);
    ~UIntArray();
    UIntArray(const UIntArray&) = delete;
    UIntArray& operator=(const UIntArray&) = delete;
    GArray* get() const { return array_; }

private:
    GArray* array_;
};
template <>
struct InTraits<const UIntArray*> {
    static constexpr const char* sig = "au";
    static GType type() { return DBUS_TYPE_G_UINT_ARRAY; }
    static GArray* pass(const UIntArray* v) { return v->get(); }
};

template <typename T>
struct OutTraits;
template <>
struct OutTraits<guint*> {
    static constexpr const char* sig = "u";
    static GType type() { return G_TYPE_UINT; }
    static guint* pass(guint* p) { return p; }
};
template <>
struct OutTraits<gint*> {
    static constexpr const char* sig = "i";
    static GType type() { return G_TYPE_INT; }
    static gint* pass(gint* p) { return p; }
};
template <>
struct OutTraits<guchar*> {
    static constexpr const char* sig = "y";
    static GType type() { return G_TYPE_UCHAR; }
    static guchar* pass(guchar* p) { return p; }
};
template <>
struct OutTraits<Bool*> {
    static constexpr const char* sig = "b";
    static GType type() { return G_TYPE_BOOLEAN; }
    static gboolean* pass(Bool* p) { return &p->value; }
};
template <>
struct OutTraits<OutString*> {
    static constexpr const char* sig = "s";
    static GType type() { return G_TYPE_STRING; }
    static char** pass(OutString* p) { return &p->value; }
};
template <>
struct OutTraits<OutBytes*> {
    static constexpr const char* sig = "ay";
    static GType type() { return DBUS_TYPE_G_UCHAR_ARRAY; }
    static GArray** pass(OutBytes* p) { return &p->value; }
};

// True when the traits' signatures, concatenated, spell `expected` exactly.
template <typename... Traits>
constexpr bool signatureIs(const char* expected) {
    const char* parts[] = {Traits::sig..., nullptr};
    size_t pos = 0;
    for (const char* part : parts) {
        if (!part) break;
        for (; *part; ++part, ++pos) {
            if (expected[pos] != *part) return false;
        }
    }
    return expected[pos] == '\0';
}

}  // namespace corv
