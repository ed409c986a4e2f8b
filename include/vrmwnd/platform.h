// Umbrella header of the platform layer: the MFC, Win32, COM and OLE Automation
// stand-ins.
#pragma once

#include "vrmwnd/platform/wintypes.h"
#include "vrmwnd/platform/oleauto.h"
#include "vrmwnd/platform/numfmt.h"
#include "vrmwnd/platform/CException.h"
#include "vrmwnd/platform/CString.h"
#include "vrmwnd/platform/CArray.h"
#include "vrmwnd/platform/CList.h"
#include "vrmwnd/platform/COleCurrency.h"
#include "vrmwnd/platform/clock.h"
#include "vrmwnd/platform/registry.h"
#include "vrmwnd/platform/profile.h"
#include "vrmwnd/platform/process.h"
#include "vrmwnd/platform/fileshare.h"
#include "vrmwnd/platform/hresult.h"
#include "vrmwnd/platform/msgbox.h"
