// O cronômetro que as telas passam às regras, sobre o relógio da plataforma.
#include "vrmwnd/suite/registros/TQZBase.h"

#include "vrmwnd/platform/clock.h"

CTimer2::CTimer2() : m_nInicio(GetTickCount64()) {}
void CTimer2::Reinicia() { m_nInicio = GetTickCount64(); }
ULONGLONG CTimer2::GetDecorrido() const { return GetTickCount64() - m_nInicio; }
