#include "Screens.h"

#include "Skin.h"
#include "TfrmMsgBox.h"

#include "course/AppState.h"

#include "controls/ResourceLibrary.h"

#include "platform/WaveOutput.h"

#include <QApplication>

#include <map>

namespace Screens {

namespace {
std::map<int, std::function<void()>>& Registry()
{
    static std::map<int, std::function<void()>> registry;
    return registry;
}
} // namespace

void Register(int state, std::function<void()> show)
{
    Registry()[state] = std::move(show);
}

bool IsRegistered(int state)
{
    return Registry().count(state) != 0;
}

} // namespace Screens

void ShowCurrentScreen()
{
    const auto& registry = Screens::Registry();
    const auto it = registry.find(App().ScreenState);
    if (it != registry.end() && it->second)
        it->second();
}

void ConfirmExit()
{
    if (ShowMsgBox(QStringLiteral("Czy na pewno zamknąć program?"), QStringLiteral("Wyjście"), TfrmMsgBox::Question))
        QApplication::exit(0);
}

void PlayResultSound()
{
    const QByteArray wave = Resources().wave(QStringLiteral("wynik"));
    if (!wave.isEmpty())
        kurs::sound::playWaveData(reinterpret_cast<const std::uint8_t*>(wave.constData()),
                                  static_cast<std::size_t>(wave.size()), kurs::sound::PlayMode::Background);
}
