#include "GameTypeSwitch.h"

#include "app/Session.h"

void GameTypeSwitch::cmdcod_Click(int) {}
void GameTypeSwitch::cmdUOmode_Click(int) {}
void GameTypeSwitch::cmdsethob_Click() {}
