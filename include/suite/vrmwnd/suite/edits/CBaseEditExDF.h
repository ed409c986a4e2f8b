// Base dos edits de consulta da suíte: o contexto do profiler (empresa, usuário,
// sessão), OnInicializa/OnFinaliza, o estado de validação (32 bits) e o caminho do
// controle que os derivados leem e gravam, o static companheiro com a descrição, e os
// ganchos do derivado chamados quando o texto muda (OnUpdate), quando o foco sai
// (ValidaValor, MandaMensagem), na tecla de consulta F2 (FazConsulta -> OnConsulta
// com a lista CConsulta) e no cadastro (ChamaTelaCadastro, F6 da lista).
#pragma once

#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/suite/edits/CBotaoConsulta.h"
#include "vrmwnd/suite/edits/CConsulta.h"
#include "vrmwnd/suite/edits/CQZEditDF.h"
#include "vrmwnd/suite/exporta.h"

class VRMWND_SUITE_API CBaseEditExDF : public CQZEditDF, public CQZProfilerEmpresa {
 public:
  // Estados de validação que os derivados gravam.
  enum : LONG { ESTADO_VALIDO = 0, ESTADO_INVALIDO = 1, ESTADO_TRANSITORIO = 2, ESTADO_VAZIO = 3 };

  CBaseEditExDF();
  // O botão de consulta fica no identificador do edit mais este.
  enum : UINT { DESLOCAMENTO_ID_BOTAO = 0x4000 };

  // Falha (negativo) quando já inicializado ou sem empresa no profiler. Com o edit
  // já numa janela filha, cria ao lado dele o botão de consulta, que abre a lista.
  virtual HRESULT OnInicializa();
  // Falha (negativo) quando não inicializado.
  virtual HRESULT OnFinaliza();
  // SetProfiler e OnInicializa.
  HRESULT Inicializa(const CString& strEmpresa, unsigned short nUsuario, long lSessao);
  bool IsInicializado() const { return m_bInicializado; }

  void SetValidarValor(bool b) { m_bValidarValor = b; }
  bool GetValidarValor() const { return m_bValidarValor; }
  LONG GetEstadoValidacao() const { return m_nEstadoValidacao; }
  const CString& GetCaminhoControle() const { return m_strCaminhoControle; }

  // O static que mostra a descrição (nulo: nenhum).
  void SetStaticCompanheiro(CWnd* pStatic) { m_pStatic = pStatic; }
  CString GetText() const;
  // Texto do edit por programa (notifica como SetWindowText).
  virtual void SetText(const char* szTexto);
  // O texto do static companheiro; o do derivado depende do estado.
  virtual CString GetStaticText() { return CString(); }
  // Põe GetStaticText() no static companheiro.
  void SetStaticText();

  // Valida agora pelo Existe do derivado: válido quando ele aceita um texto não
  // vazio; quem recusa deixa o estado que gravou (inválido quando nada gravou). Uma
  // CQZExceptionEx do servidor é mostrada (QZTrataErro2 com os dados dela) e o
  // texto fica inválido.
  virtual bool ValidaValor();
  // Abre a lista de consulta que o derivado configura em OnConsulta; uma
  // CQZExceptionEx que ele lança é mostrada como em ValidaValor.
  void FazConsulta();
  // O botão de consulta, ou nulo enquanto ele não foi criado.
  CBotaoConsulta* GetBtnConsulta() { return m_btnConsulta.m_hWnd ? &m_btnConsulta : nullptr; }
  // Habilita ou desabilita o botão de consulta (sem botão, nada).
  virtual void OnEnableBtnConsulta(BOOL bHabilita);
  // A consulta múltipla: com uma tela dada, F2 e o botão de consulta chamam
  // pfnTela(this, lParametro) no lugar da lista e depois refazem a descrição; nula
  // volta à lista.
  typedef long (*PFN_TELA_CONSULTA)(CBaseEditExDF* pEdit, long lParametro);
  void EnableConsultaMultipla(PFN_TELA_CONSULTA pfnTela, long lParametro = 0) {
    m_pfnTelaMultipla = pfnTela;
    m_lParametroTelaMultipla = lParametro;
  }

 protected:
  // Ganchos do derivado.
  virtual bool Existe(CString*) { return true; }
  virtual void OnConsulta(CConsulta*) {}
  virtual void MandaMensagem() {}
  virtual void ChamaTelaCadastro() {}

  // Os tratadores que os derivados mapeiam (EN_UPDATE, EN_SETFOCUS, EN_KILLFOCUS).
  // OnUpdate: o texto mudou, o estado passa a "a validar" (vazio quando não há texto)
  // e a descrição some; nada disso enquanto a validação está desligada.
  BOOL OnUpdate();
  BOOL OnSetFocus() { return CQZEditDF::OnCONTROL_REFLECT_EX_SetFocus(); }
  // Ao sair: valida o que não está validado, manda a mensagem da recusa e mostra a
  // descrição.
  BOOL OnKillFocus();
  BOOL OnCONTROL_REFLECT_EX_KillFocus() override { return OnKillFocus(); }
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

  bool m_bInicializado = false;
  bool m_bValidarValor = true;
  bool m_bFalhaServidor = false;  // a última validação acabou numa falha já mostrada
  LONG m_nEstadoValidacao = ESTADO_VAZIO;
  CString m_strCaminhoControle;
  CWnd* m_pStatic = nullptr;
  CBotaoConsulta m_btnConsulta;
  PFN_TELA_CONSULTA m_pfnTelaMultipla = nullptr;
  long m_lParametroTelaMultipla = 0;
  DECLARE_MESSAGE_MAP()
};
