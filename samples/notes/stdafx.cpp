// stdafx.cpp : the source file that holds the standard includes.
#include "stdafx.h"
