#include "platform/ui/image_list.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TImageList) {}
