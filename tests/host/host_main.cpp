// The main of the manager's tests: the private bus and the stand-in service, then the
// manager's own start-up (working folder, client library, skin, plug-in manager with the
// program's one plug-in, local servers) once for the process, as the application does it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>

#include <cstdlib>
#include <fstream>
#include <memory>

#include "harness.h"
#include "host_session.h"
#include "host_test_util.h"

namespace hosttest {
namespace {

std::string s_dir;

class SessionEnvironment : public testing::Environment {
public:
    void SetUp() override {
        char pattern[] = "/tmp/corvane-host-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        s_dir = pattern;
        // The manager's per-user files (the received files) go to the session's folder.
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(s_dir + "/data"));
        ASSERT_EQ(std::system(("mkdir " + sharedFolder() + " && cp " CORVANE_HOST_PLUGIN " " + s_dir +
                               "/" CORVANE_HOST_PLUGIN_FILE " && ln -s " CORVANE_SKIN_DIR " " + s_dir + "/CVSkin")
                                  .c_str()),
                  0);
        std::ofstream(s_dir + "/BtSettings.INI") << "[Profiles]\nnumber=1\nProfile1=" CORVANE_HOST_PLUGIN_FILE "\n"
                                                 << "[FTPSERVER]\nstatus=enable\nSHAREFOLDER=" << sharedFolder()
                                                 << "\nDESIRED_ACCESS=1\n"
                                                 << "[OPPSERVER]\nstatus=enable\nINBOXFOLDER=" << inboxFolder()
                                                 << "\nOUTBOXFOLDER=" << s_dir << "\nOWNCARDNAME=me.vcf\n";
        QString error;
        session_ = HostSession::start(QString::fromStdString(s_dir), &error);
        ASSERT_TRUE(session_) << error.toStdString();
    }
    void TearDown() override {
        session_.reset();
        std::system(("rm -rf " + s_dir).c_str());
    }

private:
    std::unique_ptr<HostSession> session_;
};

}  // namespace

const std::string& workingDir() { return s_dir; }

}  // namespace hosttest

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new corvtest::ServiceEnvironment);
    testing::AddGlobalTestEnvironment(new hosttest::SessionEnvironment);
    return RUN_ALL_TESTS();
}
