// Base dos edits de consulta da suíte: conecta em OnInicializa e desconecta em
// OnFinaliza, guarda o estado de validação (32 bits) e o caminho do controle, e
// chama os ganchos do edit derivado quando o texto muda (OnUpdate), quando o foco
// sai (ValidaValor, e MandaMensagem se não valeu) e na tecla de consulta F2
// (FazConsulta -> OnConsulta).
#pragma once

#include "vrmwnd/suite/CQZEditDF.h"

class CBaseEditExDF : public CQZEditDF {
 public:
  enum : LONG { ESTADO_NAO_VALIDADO = 0, ESTADO_VALIDO = 1, ESTADO_INVALIDO = 2 };

  // Falha (negativo) quando já inicializado ou sem empresa; nada é lido antes.
  virtual HRESULT OnInicializa(const char* szEmpresa);
  // Falha quando não inicializado.
  virtual HRESULT OnFinaliza();
  bool IsInicializado() const { return m_bInicializado; }
  const CString& GetEmpresa() const { return m_strEmpresa; }

  void SetValidarValor(bool b) { m_bValidarValor = b; }
  bool GetValidarValor() const { return m_bValidarValor; }
  LONG GetEstadoValidacao() const { return m_nEstadoValidacao; }
  void SetCaminhoControle(const CString& str) { m_strCaminhoControle = str; }
  const CString& GetCaminhoControle() const { return m_strCaminhoControle; }

  // Texto do edit por programa (notifica como SetWindowText).
  virtual void SetText(const char* szTexto);
  virtual CString GetStaticText() const { return m_strStaticText; }
  virtual void SetStaticText(const char* szTexto) { m_strStaticText = szTexto; }

  // Valida agora: ESTADO_VALIDO ou ESTADO_INVALIDO conforme Existe().
  virtual bool ValidaValor();
  void FazConsulta();

  BOOL OnCONTROL_REFLECT_EX_Change() override;
  BOOL OnCONTROL_REFLECT_EX_KillFocus() override;

 protected:
  // Ganchos do edit derivado.
  virtual bool Existe() { return true; }
  virtual void OnConsulta() {}
  virtual void OnUpdate() {}
  virtual void MandaMensagem() {}
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

  bool m_bInicializado = false;
  bool m_bValidarValor = true;
  LONG m_nEstadoValidacao = ESTADO_NAO_VALIDADO;
  CString m_strEmpresa;
  CString m_strCaminhoControle;
  CString m_strStaticText;
  DECLARE_MESSAGE_MAP()
};
