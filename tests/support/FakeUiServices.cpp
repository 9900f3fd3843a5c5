#include "FakeUiServices.h"

namespace lanthorn::testing {

namespace {
template <typename T> std::optional<T> next(std::deque<std::optional<T>>& script)
{
    if (script.empty())
        return std::nullopt;
    auto answer = script.front();
    script.pop_front();
    return answer;
}
} // namespace

std::optional<QString> FakeUiServices::openFileName(
    QWidget*, const QString& title, const QString& filter, const QString& proposed)
{
    dialogs.append({ QStringLiteral("open"), title, filter, proposed });
    return next(fileAnswers);
}

std::optional<QString> FakeUiServices::saveFileName(
    QWidget*, const QString& title, const QString& filter, const QString& proposed)
{
    dialogs.append({ QStringLiteral("save"), title, filter, proposed });
    return next(fileAnswers);
}

std::optional<QFont> FakeUiServices::chooseFont(QWidget*, const QFont&)
{
    dialogs.append({ QStringLiteral("font"), {}, {}, {} });
    return next(fontAnswers);
}

std::optional<QColor> FakeUiServices::chooseColour(QWidget*, const QColor&)
{
    dialogs.append({ QStringLiteral("colour"), {}, {}, {} });
    return next(colourAnswers);
}

void FakeUiServices::setAlwaysOnTop(QWidget* window, bool on)
{
    if (!window)
        return;
    onTopRequests.append({ window->objectName(), on });
    // Like the real service: the window ends up shown, without being activated.
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
}

bool FakeUiServices::isOnTop(const QWidget* window) const
{
    for (auto it = onTopRequests.crbegin(); it != onTopRequests.crend(); ++it) {
        if (it->first == window->objectName())
            return it->second;
    }
    return false;
}

} // namespace lanthorn::testing
