// The bits of a remote device's parameter word that tell what a browse of its services
// found: browsed at all, and services found then.
#pragma once

#include "corvclient/btsdk.h"

constexpr BTUINT32 kServicesBrowsed = 1u << 31, kServicesFound = 1u << 30;
