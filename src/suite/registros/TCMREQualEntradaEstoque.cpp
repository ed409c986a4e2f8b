// Os tipos de entrada em estoque que um filtro novo traz, e o teste de tipo permitido.
#include "vrmwnd/suite/registros/TCMREQualEntradaEstoque.h"

TCMREQualEntradaEstoque::TCMREQualEntradaEstoque() {
  m_listaTipo.Add(TCMREQualEntradaEstoqueTipo(1, "Entrada em estoque"));
  m_listaTipo.Add(TCMREQualEntradaEstoqueTipo(2, "Entrada em consignação"));
  m_listaTipo.Add(TCMREQualEntradaEstoqueTipo(3, "Sem entrada em estoque"));
}

bool TCMREQualEntradaEstoque::PermiteTipo(unsigned char nTipo) const {
  for (const TCMREQualEntradaEstoqueTipo& tipo : m_listaTipo)
    if (tipo.GetTipo() == nTipo) return true;
  return false;
}
