// The local inbox server: start-up (folders, the own business card, registration) and the
// files that remote devices push, handed to the host.
#include <QDir>
#include <QFile>
#include <QHostInfo>

#include <algorithm>
#include <cstring>

#include "bt_opp.h"
#include "cvcommon/profile_ini.h"
#include "profilekit/received_file.h"
#include "profilekit/settings_file.h"
#include "profilekit/share_folder_check.h"
#include "profilekit/utf8_cut.h"

namespace {

constexpr BTUINT32 kReceivedStatus = 0x06A00203;
constexpr char kSection[] = "OPPSERVER";
constexpr int kSettingSize = 256;
constexpr int kHostNameBytes = 259;
constexpr char kCardSuffix[] = ".vcf";

// Files pushed to the server reach the host through it; it also guards the receive
// buffers against two files that arrive at once on the library's threads.
ReceivedFileHandOver s_received;

// A folder that cannot be made is tried with "USERNAME" in place of "user" (that case
// only); the new folder is written back.
void checkOppShareFolder(const char* key, char* folder, const QByteArray& settings) {
    if (CheckShareFolder(folder, Qt::CaseSensitive)) Btsdk_WritePrivateProfileString(kSection, key, folder, settings);
}

void copyText(char* field, size_t size, const QByteArray& text) {
    std::memset(field, 0, size);
    std::memcpy(field, text.constData(), std::min(size - 1, size_t(text.size())));
}

// The own business card, made when the outbox lacks it; false when it cannot be made. An
// outbox that names no folder has no card: it is not made at the file system's root.
bool makeOwnCard(const QString& outbox, const QString& cardName, const QByteArray& hostName) {
    if (outbox.isEmpty()) return false;
    const QString separator = outbox.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    QFile card(outbox + separator + cardName);
    if (card.exists()) return true;
    if (!card.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    card.write("BEGIN:VCARD\nVERSION:2.1\nN:" + hostName + "\nEND:VCARD\n");
    return true;
}

}  // namespace

void BtOpp::openHandOver() { s_received.open(this); }

void BtOpp::closeHandOver() { s_received.close(); }

void BtOpp::SetInvokeCvFunction(HostInvokeFunc function) {
    s_received.locked([&] { m_pfnInvokeCv = function; });
}

// The folders are read, checked and written back outside the receive lock, which no
// library call may be made under; only the copy into the shared buffers takes it. A card
// name made from a long host name is cut so that it keeps its ".vcf" within the setting.
void BtOpp::StartProfileServer() {
    const QByteArray settings = CommonSettingsPath();
    char inbox[kShareFolderSize] = {}, outbox[kShareFolderSize] = {}, card[kSettingSize] = {};
    GetPrivateProfileString(kSection, "INBOXFOLDER", "", inbox, kSettingSize, settings);
    GetPrivateProfileString(kSection, "OUTBOXFOLDER", "", outbox, kSettingSize, settings);
    GetPrivateProfileString(kSection, "OWNCARDNAME", "", card, kSettingSize, settings);
    const QString host = QHostInfo::localHostName();
    if (!card[0]) {
        const int room = kSettingSize - 1 - int(sizeof kCardSuffix - 1);
        copyText(card, sizeof card, utf8cut::within(host, room) + kCardSuffix);
        Btsdk_WritePrivateProfileString(kSection, "OWNCARDNAME", card, settings);
    }
    checkOppShareFolder("INBOXFOLDER", inbox, settings);
    checkOppShareFolder("OUTBOXFOLDER", outbox, settings);
    s_received.locked([&] {
        std::memcpy(m_szInbox, inbox, sizeof m_szInbox);
        std::memcpy(m_szOutbox, outbox, sizeof m_szOutbox);
    });
    if (!makeOwnCard(QString::fromUtf8(outbox), QString::fromUtf8(card), utf8cut::within(host, kHostNameBytes)))
        return;
    m_hOppServer = Btsdk_RegisterOPPService(inbox, outbox, card);
    Btsdk_OPPRegisterDealReceiveFileCB(&BtOpp::DealOPPServerEvent);
}

// Reads the settings file itself (no library call) under the receive lock.
BTUINT32 BtOpp::DealOPPServerEvent(BtSdkFileTransferReqStru* request) {
    if (!request) return 0;
    return s_received.handOver([request](QObject* plugin) {
        auto* self = static_cast<BtOpp*>(plugin);
        GetPrivateProfileString(kSection, "INBOXFOLDER", "", self->m_szInbox, kSettingSize, CommonSettingsPath());
        const QString inbox = QString::fromUtf8(self->m_szInbox);
        if (!inbox.isEmpty() && !QDir(inbox).exists()) QDir().mkpath(inbox);
        if (request->status != kReceivedStatus || !self->m_pfnInvokeCv) return ReceivedFileHandOver::File();
        copyText(self->m_szRecvFile, sizeof self->m_szRecvFile,
                 QByteArray(request->path, int(strnlen(request->path, sizeof self->m_szRecvFile - 1))));
        return ReceivedFileHandOver::File{self->m_pfnInvokeCv, {inbox, QString::fromUtf8(self->m_szRecvFile)}};
    });
}
