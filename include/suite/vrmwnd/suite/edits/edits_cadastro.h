// Os edits de consulta dos cadastros da empresa, cada um uma descrição de cadastro
// (CEditCadastro) com as operações que a suíte dá a ele: filiais, naturezas de
// operação (CFOP, por filial), contas do plano (sintéticas 'T' e suas analíticas),
// históricos, produtos, unidades, situações tributárias, tipos de documento, usuários,
// compradores, requerentes, departamentos e municípios. DescricaoCadastro acha a
// descrição pelo nome.
#pragma once

#include <vector>

#include "vrmwnd/base/datas.h"
#include "vrmwnd/platform/CArray.h"
#include "vrmwnd/suite/edits/CEditCadastro.h"

// A descrição do cadastro de nome szNome ("filial", "natureza", "conta", "historico",
// "produto", …), ou nula; CadastrosDescritos dá todas, na ordem em que a suíte as lista.
VRMWND_SUITE_API const TDescricaoCadastro* DescricaoCadastro(const char* szNome);
VRMWND_SUITE_API const std::vector<const TDescricaoCadastro*>& CadastrosDescritos();

// Filiais ativas da empresa, pelo número.
class VRMWND_SUITE_API CFilialEdit : public CEditCadastro {
 public:
  CFilialEdit();
  bool GetPosicao(unsigned short& iFilial);
  bool SetPosicao(unsigned short iFilial);
  // Relê as filiais ativas; 0 ou o código da falha (nenhuma ativa, então).
  HRESULT LeFiliaisAtivas();
  int GetQuantidadeFiliaisAtivas() const { return m_nAtivas; }
  // A empresa tem uma filial ativa só (pela última LeFiliaisAtivas).
  bool GetSoTemUmaFilialAtiva() const { return m_nAtivas == 1; }

 private:
  int m_nAtivas = 0;
};

// Naturezas de operação (CFOP) da filial do edit e as de todas as filiais; o tipo
// produto ('P') ou serviço ('S') filtra quando dado.
class VRMWND_SUITE_API CNaturezaEdit : public CEditCadastro {
 public:
  CNaturezaEdit();
  void SetFilial(unsigned short iFilial) { m_filtro.iFilial = iFilial; }
  void SetProdutoServico(char c) { m_filtro.cProdutoServico = c; }
  bool GetPosicao(unsigned short& iNatureza);
  // dmaReferencia: a data em que a natureza tem de valer; as naturezas da empresa
  // não têm vigência, então toda data válida serve e uma inválida recusa.
  bool SetPosicao(unsigned short iNatureza, REG_QZDMA dmaReferencia);
};

// Contas do plano de contas. A característica (um conjunto de bits: a conta passa
// quando tem algum dos pedidos) e as letras de tipo aceitas ('A' analítica, 'S' ou
// 'T' sintética, que o plano grava como 'T') filtram quando dadas.
class VRMWND_SUITE_API CPedeContaEx : public CEditCadastro {
 public:
  CPedeContaEx();
  void SetCaracteristica(int nCaracteristica) { m_filtro.nCaracteristica = nCaracteristica; }
  void SetTiposConta(const char* szTipos);
  // As contas do plano gerencial no lugar das do plano de contas (só neste edit; o
  // que junta os dois planos não muda).
  void SetPlanoGerencial(bool bGerencial) { m_filtro.bGerencial = bGerencial; }
  bool GetPlanoGerencial() const { return m_filtro.bGerencial; }
  bool GetPosicao(unsigned long& lConta);
  bool SetPosicao(unsigned long lConta);
  // As contas que a escolhida representa: ela mesma quando analítica, as analíticas
  // debaixo dela quando sintética ('T'); nenhuma sem conta. Devolve a quantidade
  // (-1 quando a leitura falhou).
  int GetPosicoes(CArray<unsigned long>* pPosicoes);

 protected:
  explicit CPedeContaEx(const TDescricaoCadastro& descricao) : CEditCadastro(descricao) {}
};

// Contas do plano de contas e do plano gerencial juntos.
class VRMWND_SUITE_API CPedeContaExComGerencial : public CPedeContaEx {
 public:
  CPedeContaExComGerencial();
};

// Históricos ativos, pelo número.
class VRMWND_SUITE_API CPedeHistEx : public CEditCadastro {
 public:
  CPedeHistEx();
  bool GetPosicao(unsigned short& iHistorico);
  bool SetPosicao(unsigned short iHistorico);
};

// Produtos, pelo código.
class VRMWND_SUITE_API CProdutoEdit : public CEditCadastro {
 public:
  CProdutoEdit();
  bool GetPosicao(long& lProduto);
  bool SetPosicao(long lProduto);
};

// Unidades de medida, pela sigla.
class VRMWND_SUITE_API CUnidadeMedidaEdit : public CEditCadastro {
 public:
  CUnidadeMedidaEdit();
};

// Situações tributárias, pelo código. GetPosicao não valida de novo: dá a chave do
// registro que o edit mostra (0 sem registro).
class VRMWND_SUITE_API CSituacaoTributariaEdit : public CEditCadastro {
 public:
  CSituacaoTributariaEdit();
  bool GetPosicao(long& lSituacao) const;
};

// Tipos de documento usados na entrada, pelo código.
class VRMWND_SUITE_API CCadastroDocumentoEdit : public CEditCadastro {
 public:
  CCadastroDocumentoEdit();
  bool GetPosicao(long& lDocumento);
};

// Usuários ativos (pelo login), compradores, requerentes, departamentos (da filial do
// edit e os de todas) e municípios (pelo código do IBGE).
class VRMWND_SUITE_API CUsuarioEdit : public CEditCadastro {
 public:
  CUsuarioEdit();
};

class VRMWND_SUITE_API CCompradorEdit : public CEditCadastro {
 public:
  CCompradorEdit();
};

class VRMWND_SUITE_API CRequerenteEdit : public CEditCadastro {
 public:
  CRequerenteEdit();
};

class VRMWND_SUITE_API CDepartamentoEdit : public CEditCadastro {
 public:
  CDepartamentoEdit();
  void SetFilial(unsigned short iFilial) { m_filtro.iFilial = iFilial; }
};

class VRMWND_SUITE_API CMunicipioEdit : public CEditCadastro {
 public:
  CMunicipioEdit();
};
