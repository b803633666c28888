#include "serial/far_device.h"

#include <glib.h>

#include <algorithm>

namespace btserver {

namespace {

constexpr size_t kMaxLineBytes = 256;  // a longer command line is cut there

bool contains(const std::vector<std::string>& all, const std::string& text) {
    return std::find(all.begin(), all.end(), text) != all.end();
}

std::string framed(const std::string& line) {
    return "\r\n" + line + "\r\n";
}

std::string upper(const std::string& text) {
    gchar* raised = g_ascii_strup(text.c_str(), -1);
    std::string result = raised;
    g_free(raised);
    return result;
}

}  // namespace

FarDevice::FarDevice(SerialKind kind, std::string name, std::vector<std::string> numbers,
                     std::vector<std::string> busyNumbers)
    : kind_(kind),
      name_(std::move(name)),
      numbers_(std::move(numbers)),
      busyNumbers_(std::move(busyNumbers)) {}

std::string FarDevice::take(const std::string& bytes) {
    if (kind_ == SerialKind::Echo)
        return bytes;
    std::string out;
    for (char byte : bytes) {
        if (byte == '\r') {
            out += answer(line_);
            line_.clear();
        } else if (byte != '\n' && line_.size() < kMaxLineBytes) {
            line_ += byte;
        }
    }
    return out;
}

// The answer to one command line: "\r\n"-framed lines, nothing for an empty line.
std::string FarDevice::answer(const std::string& line) const {
    std::string command = upper(line);
    if (command.empty())
        return {};
    const std::string ok = framed("OK");
    if (command == "AT" || command == "ATH" || command == "ATH0")
        return ok;
    if (command == "ATI")
        return framed(name_) + ok;
    if (command == "AT+CGDCONT?")
        return framed("+CGDCONT: 1,\"IP\",\"internet\",\"0.0.0.0\",0,0") + ok;
    if (command.rfind("ATD", 0) == 0) {
        // The number as dialled (case kept), without a tone or pulse letter.
        std::string number = line.substr(3);
        if (!number.empty() && (command[3] == 'T' || command[3] == 'P'))
            number.erase(0, 1);
        if (contains(numbers_, number))
            return framed("CONNECT");
        return framed(contains(busyNumbers_, number) ? "BUSY" : "NO CARRIER");
    }
    return framed("ERROR");
}

}  // namespace btserver
