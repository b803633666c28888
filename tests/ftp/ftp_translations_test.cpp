// The German catalogue of the plug-in: the tips, the server's and the shortcut's entries,
// the browser window's texts, and every message's placeholders.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>

#include "cvcommon/shortcut_helpers.h"
#include "ftp_fixture.h"
#include "modal_answer.h"

namespace ftptest {
namespace {

class German : public FtpPlugin {
protected:
    QTranslator german;
    void SetUp() override {
        ASSERT_TRUE(german.load(QStringLiteral("pxftp_de"), QStringLiteral(PXFTP_TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&german);
        FtpPlugin::SetUp();
    }
    void TearDown() override {
        FtpPlugin::TearDown();
        QCoreApplication::removeTranslator(&german);
    }
};

TEST_F(German, TheTipsAndTheServersEntriesAreTranslated) {
    EXPECT_EQ(ProfilePlugMng::getProfileTipByShortcut(0, kServerFtp),
              QString::fromUtf8("Doppelklicken, um den freigegebenen Ordner anzuzeigen.\nRechtsklicken für weitere Optionen."));
    QList<QAction*> actions = ProfilePlugMng::GetLocalSvrActionList(kServerFtp);
    EXPECT_EQ(texts(actions).at(0), QString::fromUtf8("Freigegebenen Ordner ö&ffnen"));
    EXPECT_EQ(texts(actions).at(2), QStringLiteral("&Deaktivieren"));
}

// The texts the browser translates in its own context, including those of its item and
// batch helpers, and the form's texts in the form's context.
TEST_F(German, TheBrowsersTextsAreTranslatedInTheirContexts) {
    const auto client = [](const char* text) { return QCoreApplication::translate("BtFtpClient", text); };
    EXPECT_EQ(client("Download succeeded."), QStringLiteral("Herunterladen erfolgreich."));
    EXPECT_EQ(client("Confirm File Replace"), QStringLiteral("Ersetzen von Dateien bestätigen"));
    EXPECT_EQ(client("Are you sure delete the %1 items?").arg(3),
              QString::fromUtf8("Möchten Sie diese 3 Elemente wirklich löschen?"));
    EXPECT_EQ(client("%1 of %2 downloaded").arg(2).arg(5), QStringLiteral("2 von 5 heruntergeladen"));
    EXPECT_EQ(client("Folder"), QStringLiteral("Ordner"));
    EXPECT_EQ(QCoreApplication::translate("BtFtpClientClass", "&File"), QStringLiteral("&Datei"));
    // The form's texts belong to the form's context, not to the window class's.
    EXPECT_EQ(QCoreApplication::translate("BtFtpClient", "&File"), QStringLiteral("&File"));
}

TEST_F(German, TheShortcutsEntriesAndTheOpenBrowserAreGerman) {
    const unsigned int shortcut = phoneShortcut();
    EXPECT_EQ(texts(ProfilePlugMng::GetActionListByShortcutHandle(shortcut)),
              (QStringList{QString::fromUtf8("Ö&ffnen"), QStringLiteral("&Status"), QStringLiteral("&Eigenschaften")}));
    EXPECT_EQ(texts(ProfilePlugMng::GetRemoteActionListByShortcut(shortcut)),
              QStringList{QString::fromUtf8("&Datei-Explorer öffnen")});

    const corvtest::ModalAnswer idle = corvtest::answerModal(
        [&] { ProfilePlugMng::performDefaultActionByShortcut(shortcut); }, corvtest::Press::none());
    EXPECT_FALSE(idle.came);
    ASSERT_EQ(browsers().size(), 1);
    QWidget* browser = browsers().at(0);
    auto* menuBar = browser->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    EXPECT_EQ(texts(menuBar->actions()), (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Ansicht")}));
    auto* statusBar = browser->findChild<QStatusBar*>();
    ASSERT_NE(statusBar, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return statusBar->currentMessage() == QStringLiteral("Verbunden."); }, 10000))
        << statusBar->currentMessage().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return CvCm_IsShortcutConnected(shortcut); }, 10000));
    EXPECT_EQ(texts(ProfilePlugMng::GetActionListByShortcutHandle(shortcut)),
              (QStringList{QStringLiteral("&Trennen"), QStringLiteral("&Status"), QStringLiteral("&Eigenschaften")}));
}

struct Message {
    QString context, source, comment, state;
};

// The messages of a catalogue's source file: context, source text, disambiguation and the
// translation's state ("unfinished", "vanished", "obsolete", or empty when done).
QList<Message> catalogueMessages(const QString& path) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append({context, QString(), QString(), QString()});
        } else if (name == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (name == QLatin1String("comment") && !messages.isEmpty()) {
            messages.last().comment = xml.readElementText();
        } else if (name == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().state = xml.attributes().value(QLatin1String("type")).toString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// The placeholders of a text in order of their numbers, e.g. "%1 %2".
std::string placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
    std::sort(found.begin(), found.end());
    return found.join(QLatin1Char(' ')).toStdString();
}

// Every message of the German catalogue is finished and, looked up in the compiled
// catalogue the plug-in loads, translated with the placeholders of its source: a
// translation that drops or renumbers one would show the wrong value, or a raw "%2".
TEST(GermanCatalogue, EveryMessageIsTranslatedWithItsSourcesPlaceholders) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("pxftp_de"), QStringLiteral(PXFTP_TRANSLATIONS_DIR)));
    // The catalogue's source file, found from this folder of the tests (tests/ftp).
    const QString sourceFile = QFileInfo(QStringLiteral(FTP_WORLD))
                                   .dir()
                                   .absoluteFilePath(QStringLiteral("../../plugins/ftp/translations/pxftp_de.ts"));
    const QList<Message> messages = catalogueMessages(sourceFile);
    ASSERT_FALSE(messages.isEmpty()) << sourceFile.toStdString();
    for (const Message& message : messages) {
        const QByteArray context = message.context.toUtf8(), source = message.source.toUtf8(),
                         comment = message.comment.toUtf8();
        const QString translation =
            german.translate(context.constData(), source.constData(), comment.isEmpty() ? nullptr : comment.constData());
        SCOPED_TRACE(context.toStdString() + " / " + source.toStdString());
        EXPECT_EQ(message.state.toStdString(), "");
        EXPECT_FALSE(translation.isEmpty()) << "not translated";
        EXPECT_EQ(placeholders(translation), placeholders(message.source)) << translation.toStdString();
    }
}

}  // namespace
}  // namespace ftptest
