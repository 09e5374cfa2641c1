#include "document/InstallRoot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace varn {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(InstallRoot, OptionBeatsEnvironmentWhichBeatsHome) {
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv env("VARN_ROOT", "/opt/varn");
        EXPECT_EQ(InstallRoot::fromOptionOrEnvironment(std::filesystem::path("/data/v")).root(), "/data/v");
        EXPECT_EQ(InstallRoot::fromOptionOrEnvironment(std::nullopt).root(), "/opt/varn");
        // An empty option does not count as given.
        EXPECT_EQ(InstallRoot::fromOptionOrEnvironment(std::filesystem::path()).root(), "/opt/varn");
    }
    ScopedEnv empty("VARN_ROOT", "");
    EXPECT_EQ(InstallRoot::fromOptionOrEnvironment(std::nullopt).root(), "/home/someone/VARN");
    ScopedEnv unset("VARN_ROOT", nullptr);
    EXPECT_EQ(InstallRoot::fromOptionOrEnvironment(std::nullopt).root(), "/home/someone/VARN");
}

TEST(InstallRoot, MapsTheFixedWindowsPathsOntoTheRoot) {
    const InstallRoot root("/srv/x/VARN");
    struct Case {
        const char* windows;
        const char* mapped;
    };
    const Case cases[] = {
        {"c:\\VARN\\data\\IDH3.txt", "/srv/x/VARN/data/IDH3.txt"},
        {"C:\\varn\\data\\IDX3.txt", "/srv/x/VARN/data/IDX3.txt"},
        {"C:\\VARN\\sampledataX\\a.txt", "/srv/x/VARN/sampledataX/a.txt"},
        {"c:/VARN/SampleList.xls", "/srv/x/VARN/SampleList.xls"},
        {"c:\\VARN View\\s1.cng", "/srv/x/VARN View/s1.cng"},
        {"C:\\varn view\\s2.cng", "/srv/x/VARN View/s2.cng"},
        {"c:\\VARNISH\\a", "/srv/x/VARN/VARNISH/a"},
        {"data\\combine.txt", "/srv/x/VARN/data/combine.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(root.map(c.windows), std::filesystem::path(c.mapped)) << c.windows;
    // A root given with a trailing separator has the same view folder beside it.
    EXPECT_EQ(InstallRoot("/srv/x/VARN/").viewRoot(), std::filesystem::path("/srv/x/VARN View"));
}

} // namespace
} // namespace varn
