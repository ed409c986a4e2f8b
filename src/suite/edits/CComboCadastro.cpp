// O combo de um cadastro: as linhas lidas pelas mesmas leituras dos edits de cadastro.
#include "vrmwnd/suite/edits/CComboCadastro.h"

#include <string>
#include <utility>
#include <vector>

#include "servidor/le_cadastro.h"
#include "vrmwnd/suite/edits/edits_cadastro.h"
#include "vrmwnd/suite/servidor/banco_empresa.h"
#include "vrmwnd/suite/servidor/resultados.h"

HRESULT CComboCadastro::Carrega(const CString& strEmpresa) {
  std::string strErro;
  std::vector<std::pair<CString, DWORD_PTR>> itens;
  auto pBanco = vrmsuite::AbreEmpresa(strEmpresa.GetString(), strErro);
  HRESULT hr = pBanco ? S_OK : QZ_E_EMPRESA_NAO_ENCONTRADA;
  std::vector<DWORD> chaves;
  if (hr == S_OK) hr = vrmsuite::BuscaCadastro(*pBanco, m_descricao, m_filtro, nullptr, chaves, strErro);
  for (std::size_t i = 0; hr == S_OK && i < chaves.size(); ++i) {
    vrmsuite::TLinhaCadastro linha;
    hr = vrmsuite::LeCadastro(*pBanco, m_descricao, nullptr, chaves[i], linha, strErro);
    itens.emplace_back(CString(linha.strDescricao.c_str()), linha.lChave);
  }
  if (hr != S_OK) itens.clear();
  CarregaItens(itens);
  return hr;
}

bool CComboCadastro::GetPosicao(unsigned short& iChave) const {
  iChave = static_cast<unsigned short>(GetCodigoSelecionado(0));
  return GetCurSel() != CB_ERR;
}

CDFComboLeiautes::CDFComboLeiautes() : CComboCadastro(*DescricaoCadastro("leiaute")) {}
