#include "players/roster.h"
