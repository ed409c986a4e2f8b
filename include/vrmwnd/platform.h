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
