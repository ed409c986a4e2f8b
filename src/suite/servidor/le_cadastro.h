// As leituras dos cadastros descritos por TDescricaoCadastro: chaves pelo código (ou
// todas, para a lista) dentro dos filtros do edit, uma linha pela chave e as
// subordinadas de uma conta sintética. Leituras nomeadas para as falhas programadas:
// "Cadastro::Busca" e "Cadastro::Le".
#pragma once

#include <string>
#include <vector>

#include "vrmwnd/suite/edits/CEditCadastro.h"

namespace vrmsuite {

struct TLinhaCadastro {
  DWORD lChave = 0;
  std::string strCodigo;
  std::string strDescricao;
  char cTipo = 0;
  long lNumero = 0;  // szColunaNumero, 0 quando o cadastro não tem
};

// As chaves das linhas com o código szCodigo (nulo: todas), nos filtros, em ordem de
// código. 0 ou o código da falha, com o motivo em strErro.
HRESULT BuscaCadastro(CQZBancoEmpresa& banco, const TDescricaoCadastro& descricao, const TFiltroCadastro& filtro,
                      const char* szCodigo, std::vector<DWORD>& chaves, std::string& strErro);
// A linha da chave, que tem de passar nos filtros (pFiltro nulo: sem filtros).
// QZ_E_REGISTRO_NAO_ENCONTRADO quando não há.
HRESULT LeCadastro(CQZBancoEmpresa& banco, const TDescricaoCadastro& descricao, const TFiltroCadastro* pFiltro,
                   DWORD lChave, TLinhaCadastro& linha, std::string& strErro);
// As chaves das linhas de tipo 'A' cujo código começa pelo código dado seguido de
// ".", em ordem de código (as analíticas debaixo de uma sintética), no plano gerencial
// com bGerencial.
HRESULT SubordinadasCadastro(CQZBancoEmpresa& banco, const TDescricaoCadastro& descricao,
                             const std::string& strCodigoPai, std::vector<DWORD>& chaves, std::string& strErro,
                             bool bGerencial = false);

}  // namespace vrmsuite
