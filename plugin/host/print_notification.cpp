#include "print_notification.h"

bool printNotified = false;
