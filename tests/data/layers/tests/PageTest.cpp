// Tests are not product sources: they may include any folder.
#include "app/MainFrame.h"
