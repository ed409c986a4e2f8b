// CDlgTitulos, o lado do chamador do diálogo dos títulos das retenções: os dados que
// a tela mostra e devolve (os títulos, a data de entrada, a chave do movimento, a
// condição de pagamento com os títulos já gravados, o plano gerencial sugerido, o
// número da nota, o modo só consulta) e o contexto das regras (os servidores da
// empresa, a tela do rateio gerencial) com a pergunta de cada título: falta dado?
#pragma once

#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/base/T_Lista.h"
#include "vrmwnd/suite/registros/TCMCondicaoPagamento.h"
#include "vrmwnd/suite/registros/TCMTituloImposto.h"
#include "vrmwnd/suite/regras/CTrataDadosBase.h"
#include "vrmwnd/suite/regras/CTrataTelaGerencial.h"
#include "vrmwnd/util/exporta.h"

class CWnd;

class VRMWND_API CDlgTitulos : public CTrataDadosBase, public CQZProfilerEmpresa {
 public:
  CDlgTitulos(CQZTimer* pTimer, CWnd* pPai);
  ~CDlgTitulos() override;

  // Liga as regras à empresa dada (nula: a do contexto, SetProfiler) e a tela
  // gerencial a este objeto; cada resultado diferente de 0 vai ao log de erros e volta.
  HRESULT OnInicializa(const char* szEmpresa = nullptr) override;
  HRESULT OnFinaliza() override;

  int GetTestarEnter() const { return m_nTestarEnter; }
  void SetTestarEnter(int n) { m_nTestarEnter = n; }
  REG_QZDMA GetDataEntrada() const { return m_dmaEntrada; }
  void SetDataEntrada(REG_QZDMA dma) { m_dmaEntrada = dma; }
  REG_QZDMC GetChaveMovimento() const { return m_chaveMovimento; }
  void SetChaveMovimento(REG_QZDMC chave) { m_chaveMovimento = chave; }
  unsigned char GetAnteriorIncompleta() const { return m_byAnteriorIncompleta; }
  void SetAnteriorIncompleta(unsigned char by) { m_byAnteriorIncompleta = by; }
  unsigned long GetPonteiroGerencial() const { return m_lPonteiroGerencial; }
  void SetPonteiroGerencial(unsigned long l) { m_lPonteiroGerencial = l; }
  const CString& GetNumeroNF() const { return m_strNumeroNF; }
  void SetNumeroNF(const CString& str) { m_strNumeroNF = str; }
  bool GetSomenteConsulta() const { return m_bSomenteConsulta; }
  void SetSomenteConsulta(bool b) { m_bSomenteConsulta = b; }
  T_Lista<TCMTituloImposto> GetListaTitulo() const { return m_Titulos; }
  void SetListaTitulo(T_Lista<TCMTituloImposto> lista) { m_Titulos = lista; }
  int GetQuantidadeTitulo() const { return static_cast<int>(m_Titulos.GetSize()); }
  // Índice fora da lista: CInvalidArgException.
  TCMTituloImposto GetTitulo(int i) const { return m_Titulos.GetAt(i); }
  void SetTitulo(int i, const TCMTituloImposto& titulo) { m_Titulos.SetAt(i, titulo); }
  // A condição não é deste objeto; nula quando não há títulos gravados.
  TCMCondicaoPagamento* GetCondicaoPagamento() const { return m_pCondicaoPagamento; }
  void SetCondicaoPagamento(TCMCondicaoPagamento* p) { m_pCondicaoPagamento = p; }
  CWnd* GetPai() const { return m_pPai; }

  // O título i ainda falta dado (a consistência dele não o aceita)? Uma falha de
  // leitura da consistência é mostrada (QZTrataErro2) e a resposta é não.
  bool FaltaDados(int i);
  // O título gravado na condição para o imposto e a parcela do título i, ou nulo.
  const TCMTituloImposto* GetTituloAnterior(int i) const;

  CTrataTelaGerencial m_TrataDadosGerencial;

 private:
  CWnd* m_pPai;
  int m_nTestarEnter = 0;
  REG_QZDMA m_dmaEntrada = 0;
  REG_QZDMC m_chaveMovimento{};
  unsigned char m_byAnteriorIncompleta = 0;
  unsigned long m_lPonteiroGerencial = 0;
  CString m_strNumeroNF;
  bool m_bSomenteConsulta = false;
  T_Lista<TCMTituloImposto> m_Titulos;
  TCMCondicaoPagamento* m_pCondicaoPagamento = nullptr;
};
