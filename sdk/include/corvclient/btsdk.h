/* The whole Btsdk_ client interface of libCorvClient. */
#ifndef CORVCLIENT_BTSDK_H
#define CORVCLIENT_BTSDK_H

#include "btsdk_types.h"
#include "btsdk_av_hid.h"
#include "btsdk_callback.h"
#include "btsdk_conn.h"
#include "btsdk_frame.h"
#include "btsdk_ftp.h"
#include "btsdk_hfp.h"
#include "btsdk_init.h"
#include "btsdk_local.h"
#include "btsdk_profiles.h"
#include "btsdk_remote.h"
#include "btsdk_service.h"
#include "btsdk_shortcut.h"

#endif
