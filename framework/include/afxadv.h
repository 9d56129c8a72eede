// Advanced classes programs reach for now and then: the recent-file list.
#pragma once

#ifndef __AFXADV_H__
#define __AFXADV_H__
#endif

#include "afxwin.h"
#include "win/doc.h"
