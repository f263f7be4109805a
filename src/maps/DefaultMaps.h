#pragma once

#include <QStringList>

// The stock maps of the base game and the United Offensive add-on, in the order the map
// list shows them: the base-game names without extension, the add-on names with ".bsp".
QStringList defaultMaps();
