// The interface names of the service contract (interfaces/), one per area, as the
// handlers add their methods and the signals go out.
#pragma once

namespace btserver {

constexpr const char* kInitInterface = "com.zel.corvane.btservice.btsdkinit";
constexpr const char* kLocalInterface = "com.zel.corvane.btservice.btsdklocal";
constexpr const char* kRemoteInterface = "com.zel.corvane.btservice.btsdkrmt";
constexpr const char* kSecurityInterface = "com.zel.corvane.btservice.btsdksec";
constexpr const char* kServiceInterface = "com.zel.corvane.btservice.btsdksvc";
constexpr const char* kConnectionInterface = "com.zel.corvane.btservice.btsdkconn";
constexpr const char* kShortcutInterface = "com.zel.corvane.btservice.btsdkshc";
constexpr const char* kFtpInterface = "com.zel.corvane.btservice.btsdkftp";
constexpr const char* kOppInterface = "com.zel.corvane.btservice.btsdkopp";
constexpr const char* kSerialInterface = "com.zel.corvane.btservice.btsdkspp";
constexpr const char* kDialUpInterface = "com.zel.corvane.btservice.btsdkdun";
constexpr const char* kPanInterface = "com.zel.corvane.btservice.btsdkpan";
constexpr const char* kHandsFreeInterface = "com.zel.corvane.btservice.btsdkhfp";
constexpr const char* kAudioVideoInterface = "com.zel.corvane.btservice.btsdkav";
constexpr const char* kHidInterface = "com.zel.corvane.btservice.btsdkhid";
constexpr const char* kCallbackInterface = "com.zel.corvane.btservicecbk.btsdkcbk";
constexpr const char* kPowerInterface = "com.zel.corvane.Device";

}  // namespace btserver
