// The server property dialog: the inbox and card settings it shows, and on OK the settings
// and the 784-byte extended attributes that it writes for what changed.
#include <QCheckBox>
#include <QLineEdit>

#include <cstring>

#include "corvclient/btsdk.h"
#include "opp_fixture.h"

namespace opptest {
namespace {

using Rows = SettingRows;

class Property : public OppPlugin {
protected:
    void SetUp() override {
        OppPlugin::SetUp();
        setSetting("INBOXFOLDER", "/tmp/in0");
        setSetting("OUTBOXFOLDER", "/tmp/out0");
        setSetting("OWNCARDNAME", "pc.vcf");
        setSetting("VCARD_SUPPORT", "771");
        service.clearCalls();
    }
    corvtest::ModalAnswer open(QDialogButtonBox::ButtonRole press, const std::function<void(QWidget*)>& look) {
        return corvtest::answerModal([] { ProfilePlugMng::ShowSvrPropertyDlg(kServerOpp, nullptr, 1); },
                                     corvtest::Press::role(press), look);
    }
    static QLineEdit* edit(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static QCheckBox* sendCard(QWidget* dialog) {
        return dialog->findChild<QCheckBox*>(QStringLiteral("checkBox_OppSendCardAsRequest"));
    }
    // The extended-attribute blocks the service received.
    std::vector<std::vector<uint8_t>> extBlocks() {
        std::vector<std::vector<uint8_t>> blocks;
        for (const corvtest::RecordedCall& call : callsOf("update_server_attributes")) {
            std::vector<uint8_t> image = call.ay(1);
            if (image.size() > 96 && (image[0] & BTSDK_LSA_MASK_EXT)) blocks.emplace_back(image.begin() + 96, image.end());
        }
        return blocks;
    }
};

TEST_F(Property, TheOptionsShowTheInboxAndTheCardPath) {
    struct Row {
        const char* outbox;
        const char* vcard;
        bool sendCard;
    };
    for (const Row& row : {Row{"/tmp/out0", "771", true}, Row{"/tmp/out0/", "259", false}}) {
        SCOPED_TRACE(row.outbox);
        setSetting("OUTBOXFOLDER", row.outbox);
        setSetting("VCARD_SUPPORT", row.vcard);
        const corvtest::ModalAnswer answer = open(QDialogButtonBox::RejectRole, [&](QWidget* dialog) {
            EXPECT_EQ(edit(dialog, "lineEdit_OPPFolder")->text(), QStringLiteral("/tmp/in0"));
            EXPECT_EQ(edit(dialog, "lineEdit_OPPCardPath")->text(), QStringLiteral("/tmp/out0/pc.vcf"));
            EXPECT_EQ(sendCard(dialog)->isChecked(), row.sendCard);
        });
        EXPECT_TRUE(answer.pressed);
    }
}

TEST_F(Property, OkWritesWhatChangedAndHandsItToTheServer) {
    struct Field {
        size_t offset;
        std::string text;
    };
    struct Row {
        const char* change;
        std::function<void(QWidget*)> edit;
        Rows written;
        uint16_t mask;
        std::vector<Field> fields;
    };
    const Row rows[] = {
        {"inbox", [](QWidget* d) { edit(d, "lineEdit_OPPFolder")->setText(QStringLiteral("/tmp/in1")); },
         Rows{{"OPPSERVER", "INBOXFOLDER", "/tmp/in1"}}, 0x0010, {{14, "/tmp/in1"}}},
        {"card path", [](QWidget* d) { edit(d, "lineEdit_OPPCardPath")->setText(QStringLiteral("/tmp/cards/me.vcf")); },
         Rows{{"OPPSERVER", "OUTBOXFOLDER", "/tmp/cards/"}, {"OPPSERVER", "OWNCARDNAME", "me.vcf"}}, 0x0060,
         {{270, "/tmp/cards/"}, {526, "me.vcf"}}},
        {"card without a folder", [](QWidget* d) { edit(d, "lineEdit_OPPCardPath")->setText(QStringLiteral("me.vcf")); },
         Rows{}, 0, {}},
        {"send card", [](QWidget* d) { sendCard(d)->setChecked(false); },
         Rows{{"OPPSERVER", "VCARD_SUPPORT", "259"}}, 0x0001, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.change);
        service.clearCalls();
        EXPECT_TRUE(open(QDialogButtonBox::AcceptRole, row.edit).pressed);
        EXPECT_EQ(settingsWritten(), row.written);
        const std::vector<std::vector<uint8_t>> blocks = extBlocks();
        ASSERT_EQ(blocks.size(), row.mask ? 1u : 0u);
        if (!row.mask) continue;
        const std::vector<uint8_t>& block = blocks.front();
        ASSERT_EQ(block.size(), 784u);
        uint32_t size = 0;
        uint16_t mask = 0, vcard = 0;
        std::memcpy(&size, block.data(), 4);
        std::memcpy(&mask, block.data() + 4, 2);
        std::memcpy(&vcard, block.data() + 6, 2);
        EXPECT_EQ(size, 784u);
        EXPECT_EQ(mask, row.mask);
        EXPECT_EQ(vcard, row.mask & 1 ? 259 : 0);
        for (const Field& field : row.fields)
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(block.data() + field.offset)), field.text);
    }
}

}  // namespace
}  // namespace opptest
