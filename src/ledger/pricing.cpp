#include "ledger/pricing.h"
