// The main of every test binary: one QApplication on the offscreen platform,
// and a fresh temporary HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_STATE_HOME for each test
// so that no test touches the real home folder or sees another test's files;
// PATH is restored after each test.
#include <gmock/gmock.h>

namespace {

class IsolatedHome : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override
    {
        dir_ = std::make_unique<QTemporaryDir>();
        const QString home = dir_->path() + QStringLiteral("/home");
        QDir().mkpath(home + QStringLiteral("/.config"));
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toUtf8());
        qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toUtf8());
        qputenv("XDG_STATE_HOME", (home + QStringLiteral("/.local/state")).toUtf8());
        QDir::setCurrent(home);
        path_ = qgetenv("PATH");
    }
    void OnTestEnd(const testing::TestInfo&) override
    {
        QDir::setCurrent(QDir::rootPath());
        qputenv("PATH", path_);
        dir_.reset();
    }

private:
    QByteArray path_;
    std::unique_ptr<QTemporaryDir> dir_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleMock(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new IsolatedHome);
    return RUN_ALL_TESTS();
}
