#include "work_folder.h"

#include <QFile>

#include "cvcommon/cv_skin.h"
#include "cvcommon/settings_paths.h"

namespace pktest {

void WorkFolderEnvironment::SetUp() {
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    const QString data = QStringLiteral(CORVANE_DATA_DIR);
    ASSERT_TRUE(QFile::copy(data + QStringLiteral("/BtSettings.INI"), dir_->filePath(QStringLiteral("BtSettings.INI"))));
    ASSERT_TRUE(QFile::link(data + QStringLiteral("/CVSkin"), dir_->filePath(QStringLiteral("CVSkin"))));
    CvCm_SetWorkingDir(QFile::encodeName(dir_->path()).constData());
    CCvSkin().Init(nullptr, nullptr);
}

void WorkFolderEnvironment::TearDown() { dir_.reset(); }

}  // namespace pktest
