// Combo de um cadastro descrito (TDescricaoCadastro): lista a descrição de cada linha
// do cadastro, em ordem de código, com a chave como dado do item. Os combos da suíte
// sobre ele: leiautes do módulo, bases de cálculo do crédito (pelo modelo de
// documento), índices econômicos (filtráveis pela sigla), origens da mercadoria,
// incidências de PIS/COFINS, tipos de período, regras de vencimento, estados e tipos
// de documento da entrada.
#pragma once

#include <map>

#include "vrmwnd/suite/edits/CComboBase.h"
#include "vrmwnd/suite/edits/CEditCadastro.h"

class VRMWND_SUITE_API CComboCadastro : public CQZComboBox {
 public:
  explicit CComboCadastro(const TDescricaoCadastro& descricao) : m_descricao(descricao) {}
  const TDescricaoCadastro& GetDescricaoCadastro() const { return m_descricao; }
  TFiltroCadastro& Filtro() { return m_filtro; }
  // Esvazia e carrega as linhas do cadastro da empresa (mantendo a chave selecionada
  // que ainda existir); 0 ou o código da falha (o combo fica vazio).
  HRESULT Carrega(const CString& strEmpresa);
  // Carrega de novo da empresa do último Carrega (sem ele, nada: S_FALSE).
  HRESULT Recarrega();
  // O código da linha selecionada (a sigla do índice, o dígito da origem, …), vazio
  // sem seleção. Lido do texto mostrado, sem as mensagens de seleção: serve dentro
  // do WindowProc de quem as acompanha.
  CString GetText() const;
  // A chave do item selecionado; false e 0 sem seleção.
  bool GetPosicao(unsigned short& iChave) const;
  bool SetPosicao(unsigned short iChave) { return SelecionaPorCodigo(iChave); }

 protected:
  // Se a linha do código entra na lista (todas, aqui).
  virtual bool AceitaCodigo(const char*) const { return true; }
  TFiltroCadastro m_filtro;

 private:
  const TDescricaoCadastro& m_descricao;
  CString m_strEmpresa;
  std::map<DWORD, CString> m_codigos;  // chave -> código das linhas carregadas
};

class VRMWND_SUITE_API CDFComboLeiautes : public CComboCadastro {
 public:
  CDFComboLeiautes();
};

// As bases de cálculo do crédito que valem para o modelo de documento fiscal.
class VRMWND_SUITE_API CComboBaseCalculoCredito : public CComboCadastro {
 public:
  CComboBaseCalculoCredito();
  // Troca o modelo ("55", "57", …; vazio: todas as bases) e recarrega a lista, com a
  // base selecionada mantida quando ela continua valendo. Um modelo desconhecido
  // deixa só as bases de todos os modelos.
  void SetModeloDocumento(CString strModelo);
};

class VRMWND_SUITE_API CComboIndice : public CComboCadastro {
 public:
  CComboIndice();
  // Com bFiltrar, só os índices cujas siglas estão em strSiglas (separadas por ";")
  // ficam na lista; sem, todos. Recarrega a lista.
  void SetFiltrarIndices(CString strSiglas, bool bFiltrar);

 protected:
  bool AceitaCodigo(const char* szSigla) const override;

 private:
  CString m_strSiglas;
  bool m_bFiltrar = false;
};

class VRMWND_SUITE_API CComboOrigem : public CComboCadastro {
 public:
  CComboOrigem();
};

class VRMWND_SUITE_API CComboTipoIncidenciaPISCOFINS : public CComboCadastro {
 public:
  CComboTipoIncidenciaPISCOFINS();
};

class VRMWND_SUITE_API CComboTipoPeriodo : public CComboCadastro {
 public:
  CComboTipoPeriodo();
};

class VRMWND_SUITE_API CComboVencimento : public CComboCadastro {
 public:
  CComboVencimento();
};

class VRMWND_SUITE_API CEstadoCombo : public CComboCadastro {
 public:
  CEstadoCombo();
};

// Os tipos de documento usados na entrada.
class VRMWND_SUITE_API CTipoDoctoCombo : public CComboCadastro {
 public:
  CTipoDoctoCombo();
};
