// The shipped default skin: every picture request of the host and the plug-ins resolves,
// through the shipped settings and scheme files, to an SVG file that Qt draws at 16 and
// 48 pixels without complaint; the scheme's names fit the reader's buffer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cvcommon/cv_skin.h"
#include "cvcommon/settings_paths.h"

namespace {

namespace fs = std::filesystem;

const QString kSkinDir = QStringLiteral(CORVANE_DATA_DIR "/CVSkin");

// The service classes that have picture keys of their own, and one that has none.
const std::vector<int> kProfileClasses = {0x1115, 0x1116, 0x1117, 0x1103, 0x1101, 0x1106, 0x1105,
                                          0x1126, 0x1124, 0x1111, 0x111A, 0x110B, 0x111E, 0x1300};

// Warnings Qt logs while it reads or draws a file: unsupported SVG features show here.
QStringList g_warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << text;
}

struct Request {
    std::string what;
    QString path;
};

std::vector<Request> everyRequest() {
    std::vector<Request> out;
    auto add = [&](int kind, int key, int state) {
        out.push_back({"kind " + std::to_string(kind) + " key 0x" +
                           QString::number(key, 16).toStdString() + " state " +
                           std::to_string(state),
                       CCvSkin::GetImgPath(kind, key, state)});
    };
    for (int kind : {0, 1, 5, 6, 12, 13, 14, 15, 16, 17, 18}) add(kind, 0, 0);
    for (int state : {0, 4, 7}) add(7, 0, state);
    for (int kind : {9, 10})
        for (int state : {0, 1}) add(kind, 0, state);
    for (int svcClass : kProfileClasses)
        for (int state : {4, 5, 6}) add(2, svcClass, state);
    for (int code = 0; code <= 0x1FFC; code += 4)  // every class value the mask lets through
        for (int state : {0, 8}) add(4, code, state);
    for (int icon = 100; icon <= 119; ++icon) add(11, icon, 0);
    return out;
}

int visiblePixels(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    int count = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

// Elements whose drawing depends on the machine or on other files.
void expectSelfContained(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray text = file.readAll();
    for (const char* element :
         {"<text", "<image", "<style", "<filter", "<script", "<foreignObject"})
        EXPECT_FALSE(text.contains(element)) << path.toStdString() << " has " << element;
    EXPECT_FALSE(text.contains("href")) << path.toStdString() << " refers to another file";
}

// The file names the scheme file gives in "pic" and "icons".
QStringList schemeFileNames() {
    QFile file(kSkinDir + QStringLiteral("/Default.ini"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList names;
    QString section;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('[')))
            section = line;
        else if (!line.startsWith(QLatin1Char('#')) && line.contains(QLatin1Char('=')) &&
                 (section == QLatin1String("[pic]") || section == QLatin1String("[icons]")))
            names << line.section(QLatin1Char('='), 1);
    }
    return names;
}

class SkinFiles : public testing::Test {
protected:
    // A working directory with the shipped settings file and the skin folder beside it.
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/cvskin-files-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        fs::copy_file(CORVANE_DATA_DIR "/BtSettings.INI", dir_ + "/BtSettings.INI");
        fs::create_directory_symlink(kSkinDir.toStdString(), dir_ + "/CVSkin");
        CvCm_SetWorkingDir(dir_.c_str());
        CCvSkin().Init(nullptr, nullptr);
    }
    static void TearDownTestSuite() { fs::remove_all(dir_); }

    static std::string dir_;
};

std::string SkinFiles::dir_;

TEST_F(SkinFiles, EveryRequestDrawsAtSixteenAndFortyEightPixels) {
    QSet<QString> checked;
    for (const Request& request : everyRequest()) {
        SCOPED_TRACE(request.what + ": " + request.path.toStdString());
        ASSERT_TRUE(
            request.path.startsWith(QString::fromStdString(dir_) + QStringLiteral("/CVSkin/")));
        ASSERT_TRUE(QFileInfo(request.path).isFile());
        if (checked.contains(request.path))
            continue;
        checked.insert(request.path);
        expectSelfContained(request.path);
        g_warnings.clear();
        QSvgRenderer svg(request.path);
        ASSERT_TRUE(svg.isValid());
        const QRectF box = svg.viewBoxF();
        EXPECT_GT(box.width(), 0);
        EXPECT_EQ(box.width(), box.height());  // drawn into square cells
        EXPECT_GT(visiblePixels(svg, 16), 0);
        EXPECT_GT(visiblePixels(svg, 48), 0);
        EXPECT_TRUE(g_warnings.isEmpty()) << g_warnings.join(QLatin1Char('\n')).toStdString();
    }
}

TEST_F(SkinFiles, StatesHaveTheirOwnPictures) {
    for (int svcClass : kProfileClasses) {
        const QString normal = CCvSkin::GetImgPath(2, svcClass, 4);
        EXPECT_NE(normal, CCvSkin::GetImgPath(2, svcClass, 5)) << std::hex << svcClass;
        EXPECT_NE(normal, CCvSkin::GetImgPath(2, svcClass, 6)) << std::hex << svcClass;
        EXPECT_NE(CCvSkin::GetImgPath(2, svcClass, 5), CCvSkin::GetImgPath(2, svcClass, 6));
    }
    for (int code = 0; code <= 0x1FFC; code += 4)
        EXPECT_NE(CCvSkin::GetImgPath(4, code, 0), CCvSkin::GetImgPath(4, code, 8))
            << std::hex << code;
    EXPECT_NE(CCvSkin::GetImgPath(9, 0, 0), CCvSkin::GetImgPath(9, 0, 1));
    EXPECT_NE(CCvSkin::GetImgPath(10, 0, 0), CCvSkin::GetImgPath(10, 0, 1));
    EXPECT_NE(CCvSkin::GetImgPath(11, 100, 0), CCvSkin::GetImgPath(11, 116, 0));  // bt-disable
}

TEST_F(SkinFiles, SchemeNamesFitTheReaderAndEveryFileIsNamed) {
    const QStringList names = schemeFileNames();
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        EXPECT_FALSE(name.isEmpty());
        EXPECT_LE(name.toLocal8Bit().size(), 31) << name.toStdString();  // a 32-byte buffer
    }
    const QStringList svgs = QDir(kSkinDir).entryList({QStringLiteral("*.svg")}, QDir::Files);
    for (const QString& svg : svgs)
        EXPECT_TRUE(names.contains(svg)) << svg.toStdString() << " unused";
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(collectWarnings);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
