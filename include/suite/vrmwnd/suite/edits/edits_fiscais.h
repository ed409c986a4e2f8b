// Os edits de consulta dos cadastros de compras e fiscais da empresa, cada um uma
// descrição de cadastro (CEditCadastro) com as operações que a suíte dá a ele:
// contratos de compra, contatos dos fornecedores, complementos de histórico, códigos
// de ajuste da EFD, CST do IPI, mensagens, notas fiscais, códigos de recolhimento e
// tabelas de preço (com a busca de todas as ativas de um tipo).
#pragma once

#include "vrmwnd/base/CQZArray.h"
#include "vrmwnd/suite/edits/CEditCadastro.h"

// Contratos de compra vigentes da filial do edit e os de todas as filiais.
class VRMWND_SUITE_API CCMContratoCompraEdit : public CEditCadastro {
 public:
  CCMContratoCompraEdit();
  void SetFilial(unsigned short iFilial) { m_filtro.iFilial = iFilial; }
  bool GetPosicao(unsigned long& lContrato) { return GetPosicaoComo(lContrato); }
  // O fornecedor (conta) do contrato mostrado, 0 sem contrato.
  unsigned long GetFornecedor() const { return static_cast<unsigned long>(GetNumeroCorrente()); }
};

// Complementos de histórico, pelo número.
class VRMWND_SUITE_API CComplementoEx : public CEditCadastro {
 public:
  CComplementoEx();
  bool GetPosicao(unsigned short& iComplemento) { return GetPosicaoComo(iComplemento); }
  bool SetPosicao(unsigned short iComplemento) { return CEditCadastro::SetPosicao(iComplemento); }
};

// Contatos dos clientes, fornecedores e transportadoras, pelo número.
class VRMWND_SUITE_API CEditContatoCFRT : public CEditCadastro {
 public:
  CEditContatoCFRT();
  bool GetPosicao(unsigned long& lContato) { return GetPosicaoComo(lContato); }
  bool SetPosicao(unsigned long lContato) { return CEditCadastro::SetPosicao(static_cast<DWORD>(lContato)); }
  // A conta do fornecedor do contato mostrado, 0 sem contato.
  unsigned long GetConta() const { return static_cast<unsigned long>(GetNumeroCorrente()); }
};

// Códigos de ajuste da apuração do ICMS na EFD.
class VRMWND_SUITE_API CEditAjusteEFD : public CEditCadastro {
 public:
  CEditAjusteEFD();
};

// CST do IPI, pelo código de dois dígitos; de entrada ('E'), de saída ('S') ou,
// sem filtro, os dois.
class VRMWND_SUITE_API CEditCSTIPI : public CEditCadastro {
 public:
  CEditCSTIPI();
  void SetEntradaSaida(char c) { m_filtro.strTipos = c ? CString(c, 1) : CString(); }
  // Mostra o CST do número (0 é o CST "00"); um número que não é CST nos filtros limpa
  // e devolve false.
  bool SetPosicao(unsigned short nCST);
  // Mostra o CST do texto; texto vazio limpa (e devolve false).
  bool SetPosicao(const char* szCST) { return SetPosicaoPorCodigo(szCST); }
};

// Mensagens fiscais ativas, pelo número.
class VRMWND_SUITE_API CMensagemEdit : public CEditCadastro {
 public:
  CMensagemEdit();
};

// Notas fiscais da empresa pelo número, com o emitente no static. O tipo de nota
// (byTipoNota da nota, 0 todas) filtra; o tipo 6, nota avulsa, é uma nota de fora da
// empresa: o número digitado vale como está, sem chave, e não há lista.
class VRMWND_SUITE_API CNotasFiscaisEdit : public CEditCadastro {
 public:
  enum : int { NOTAS_FISCAIS_TODAS = 0, NOTAS_FISCAIS_AVULSA = 6 };
  CNotasFiscaisEdit();
  void SetFilial(unsigned short iFilial) { m_filtro.iFilial = iFilial; }
  // Tipos de 0 a 9; outro valor não muda nada. Na nota avulsa o botão fica desabilitado.
  void SetNotasFiscais(int nNotasFiscais);
  int GetNotasFiscais() const { return m_nNotasFiscais; }
  bool GetPosicao(long& lNota) { return GetPosicaoComo(lNota); }
  void OnEnableBtnConsulta(BOOL bHabilita) override;

 protected:
  bool Existe(CString* pstrTexto) override;
  void OnConsulta(CConsulta* pConsulta) override;

 private:
  int m_nNotasFiscais = NOTAS_FISCAIS_TODAS;
};

// Códigos de recolhimento de tributos retidos.
class VRMWND_SUITE_API CRecolhimentoEdit : public CEditCadastro {
 public:
  CRecolhimentoEdit();
};

// O filtro das tabelas de preço: compra ('C') ou venda ('V'), produto ('P') ou
// serviço ('S'); 0 não filtra.
class VRMWND_SUITE_API CQZDadosDF_TabelaPrecoFiltro {
 public:
  char m_cCompraVenda = 0;
  char m_cProdutoServico = 0;
};

// As chaves das tabelas de preço ativas da empresa no filtro, em ordem de código,
// no lugar do que pChaves tinha. 0 ou o código da falha (pChaves vazio então).
VRMWND_SUITE_API HRESULT BuscaPonteirosTabelaPreco(const CString& strEmpresa,
                                                   const CQZDadosDF_TabelaPrecoFiltro& filtro,
                                                   CQZArray<unsigned long>* pChaves);

// Tabelas de preço ativas, do tipo de compra ou venda e de produto ou serviço do edit.
class VRMWND_SUITE_API CTabPrecoEdit : public CEditCadastro {
 public:
  CTabPrecoEdit();
  void SetCompraVenda(char c) { m_filtro.strTipos = c ? CString(c, 1) : CString(); }
  char GetCompraVenda() const { return m_filtro.strTipos.IsEmpty() ? 0 : m_filtro.strTipos[0]; }
  void SetProdutoServico(char c) { m_filtro.cProdutoServico = c; }
  char GetProdutoServico() const { return m_filtro.cProdutoServico; }
  bool GetPosicao(unsigned short& iTabela) { return GetPosicaoComo(iTabela); }
  bool SetPosicao(unsigned short iTabela) { return CEditCadastro::SetPosicao(iTabela); }
};
