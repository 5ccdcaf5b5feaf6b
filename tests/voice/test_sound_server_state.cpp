// What the sound server's state says of an output and of this program's streams, for a message
// that must reach the panel: each problem with what to do about it.
#include "voice/SoundServer.h"

#include <functional>
#include <gtest/gtest.h>

using namespace orvanta;

namespace {

SoundServerState twoOutputs()
{
    SoundServerState state;
    state.present = true;
    state.defaultOutput = QStringLiteral("out");
    state.outputs = {
        {1, QStringLiteral("out"), QStringLiteral("Panel Cable"), false, 1.0, false, {}, {}},
        {2, QStringLiteral("other"), QStringLiteral("Speakers"), false, 1.0, false, {}, {}}};
    return state;
}

} // namespace

TEST(SoundServerState, OutputProblemSaysWhatStandsInTheWayAndWhatToDo)
{
    using Change = std::function<void(SoundServerState &)>;
    const struct
    {
        const char *output;
        Change change;
        const char *said; // empty: the output can carry a message
    } cases[] = {
        {"", [](SoundServerState &) {}, ""},
        {"out", [](SoundServerState &) {}, ""},
        {"", [](SoundServerState &s) { s.present = false; },
         "Сервер звука не отвечает: запустите его (или войдите в сеанс рабочего стола) и "
         "запустите запись снова"},
        {"gone", [](SoundServerState &) {},
         "Вывода звука «gone» нет на сервере звука: выберите вывод в «Устройства звука» и "
         "запустите запись снова"},
        {"", [](SoundServerState &s) { s.outputs[0].muted = true; },
         "Вывод звука «Panel Cable» выключен (без звука): включите его и запустите запись снова"},
        {"out", [](SoundServerState &s) { s.outputs[0].volume = 0; },
         "Громкость вывода звука «Panel Cable» — 0 %: поднимите её не ниже 30 % и запустите "
         "запись снова"},
        {"out", [](SoundServerState &s) { s.outputs[0].volume = 0.29; },
         "Громкость вывода звука «Panel Cable» — 29 %: поднимите её не ниже 30 % и запустите "
         "запись снова"},
        {"out", [](SoundServerState &s) { s.outputs[0].volume = 0.30; }, ""},
        {"out", [](SoundServerState &s) { s.outputs[0].volume = 1.5; }, ""},
        // Another output muted is no concern of this one.
        {"out", [](SoundServerState &s) { s.outputs[1].muted = true; }, ""},
        {"",
         [](SoundServerState &s) {
             s.outputs[0].portUnplugged = true;
             s.outputs[0].portDescription = QStringLiteral("Line Out");
         },
         "К выводу звука «Panel Cable» ничего не подключено (Line Out): подключите кабель "
         "охранной панели и запустите запись снова"},
        // Without a description the server's name stands for the output.
        {"",
         [](SoundServerState &s) {
             s.outputs[0].description.clear();
             s.outputs[0].muted = true;
         },
         "Вывод звука «out» выключен (без звука): включите его и запустите запись снова"},
    };
    for (const auto &c : cases) {
        SoundServerState state = twoOutputs();
        c.change(state);
        SCOPED_TRACE(c.said);
        EXPECT_EQ(OutputProblem(state, QString::fromUtf8(c.output)), QString::fromUtf8(c.said));
    }
}

TEST(SoundServerState, StreamsMovedMutedOrTurnedDownAreSaid)
{
    const struct
    {
        const char *streamOutput;
        bool muted;
        double volume;
        const char *moved;
        const char *level;
    } cases[] = {
        {"out", false, 1.0, "", ""},
        {"other", false, 1.0, "Сервер звука перенёс звук с вывода «Panel Cable» на «Speakers»", ""},
        {"unknown", false, 1.0, "Сервер звука перенёс звук с вывода «Panel Cable» на «unknown»",
         ""},
        {"out", true, 1.0, "",
         "Звук этой программы выключен в настройках звука (без звука): включите его и запустите "
         "запись снова"},
        {"out", false, 0.2, "",
         "Громкость звука этой программы — 20 %: поднимите её не ниже 30 % и запустите запись "
         "снова"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.streamOutput);
        SoundServerState state = twoOutputs();
        state.ownStreams = {{7, 0, QString::fromUtf8(c.streamOutput), c.muted, c.volume}};
        EXPECT_EQ(StreamMovedProblem(state, QStringLiteral("out")), QString::fromUtf8(c.moved));
        EXPECT_EQ(StreamLevelProblem(state), QString::fromUtf8(c.level));
    }
    // Without streams, or of an output the server does not know, nothing is said.
    EXPECT_EQ(StreamMovedProblem(twoOutputs(), QStringLiteral("out")), QString());
    SoundServerState state = twoOutputs();
    state.ownStreams = {{7, 0, QStringLiteral("other"), false, 1.0}};
    EXPECT_EQ(StreamMovedProblem(state, QStringLiteral("gone")), QString());
}
