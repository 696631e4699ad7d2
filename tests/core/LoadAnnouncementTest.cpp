// The document tells its views of a load or a close once the progress window has said
// everything, and before the user hears of language files left out.
#include "core/GameDocument.h"
#include "support/InstallFixture.h"
#include "support/RecordingReporter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct Announced {
    const char* what;
    std::function<bool(const SamplePaths&)> damage;
    bool cancel;
    QStringList tail;  // the log from the reporter's Finish on
};

const Announced Cases[] = {
    {"complete", [](const SamplePaths&) { return true; }, false,
     {u"Finish"_s, u"Reset"_s, u"State Complete"_s}},
    {"stopped at the item file", [](const SamplePaths& p) { return testfiles::Remove(p.items); }, false,
     {u"Finish"_s, u"Reset"_s, u"State ExecutableOnly"_s}},
    {"cancelled dialog", [](const SamplePaths&) { return true; }, true, {u"Finish"_s}},
    {"a language file without its pair",
     [](const SamplePaths& p) { return testfiles::Overwrite(p.geodata + u"/german.dat"_s, "Ja\0"); }, false,
     {u"Finish"_s, u"Reset"_s, u"State Complete"_s,
      u"ShowSkippedFiles german2.dat is missing, so german.dat was left out too and German is not offered."_s}},
};

class LoadAnnouncement : public testing::TestWithParam<Announced> {
protected:
    void SetUp() override
    {
        QObject::connect(&document, &GameDocument::Reset, [this] { log.append(u"Reset"_s); });
        QObject::connect(&document, &GameDocument::FilesStateChanged, [this](FilesState state) {
            const char* names[] = {"None", "ExecutableOnly", "Complete"};
            log.append(u"State "_s + QLatin1String(names[int(state)]));
        });
    }

    InstallFixture install;
    GameDocument document;
    QStringList log;
    RecordingReporter reporter{&log};
};

TEST_P(LoadAnnouncement, FollowsTheProgressTexts)
{
    const Announced& announced = GetParam();
    ASSERT_TRUE(install.IsValid());
    ASSERT_TRUE(announced.damage(install.Paths()));
    const QString exe = install.Paths().exePath;
    (void)document.Load([&]() -> std::optional<QString> {
        return announced.cancel ? std::nullopt : std::optional(exe);
    }, reporter);
    EXPECT_EQ(log.mid(log.lastIndexOf(u"Finish"_s)), announced.tail);

    log.clear();
    document.Close();
    EXPECT_EQ(log, QStringList({u"Reset"_s, u"State None"_s}));
}

INSTANTIATE_TEST_SUITE_P(Loads, LoadAnnouncement, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Announced>& info) {
                             std::string name = info.param.what;
                             std::erase(name, ' ');
                             return name;
                         });

} // namespace
