// Os modelos de e-mail da empresa (tabela cm_modelo_email), como o combo de modelos os
// pede ao servidor: os de uma extensão, em ordem de nome.
#pragma once

#include <vector>

#include "vrmwnd/platform/CString.h"
#include "vrmwnd/suite/exporta.h"

namespace vrmsuite {

class CQZBancoEmpresa;

struct TModeloEmail {
  CString strNome;      // o que o usuário vê
  CString strCompleto;  // o nome completo: o arquivo do modelo
};

// Os modelos da extensão iExtensao (7: cotação de preços pela web), por nome.
VRMWND_SUITE_API std::vector<TModeloEmail> LeModelosEmail(CQZBancoEmpresa& banco, unsigned short iExtensao);

}  // namespace vrmsuite
