#pragma once

#include <QList>
#include <QString>

namespace lanthorn {

/// The help topics that menu items carry (F1 on a highlighted item): the page and anchor that
/// explain each, relative to the help directory. An unknown number gives an empty text.
QString HelpTopicTarget(int topicNumber);

/// Every topic number that has a page.
QList<int> HelpTopicNumbers();

} // namespace lanthorn
