#include "settings/tariff.h"
