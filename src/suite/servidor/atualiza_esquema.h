// A atualização do banco de uma empresa criado por uma versão anterior: o que o
// esquema ganhou depois (colunas, tabelas) é criado no lugar ao abrir, sem perder dados.
#pragma once

#include <string>

#include "vrmwnd/platform/wintypes.h"

namespace vrmsuite {

class CQZBancoEmpresa;

// Cria as colunas e tabelas que faltam; idempotente. 0 ou QZ_E_BANCO_DE_DADOS com o
// motivo em strErro (nada fica pela metade: tudo numa transação).
HRESULT AtualizaEsquemaEmpresa(CQZBancoEmpresa& banco, std::string& strErro);

}  // namespace vrmsuite
